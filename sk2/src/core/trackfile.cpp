#include "trackfile.h"

#include "programfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace sk2 {

namespace {

struct TrackFileState
{
    QString chosenFolder;
    QString fileName;
    int handle = -1;
    std::int32_t count = 0;
    bool open = false;
};

TrackFileState &State()
{
    static TrackFileState state;
    return state;
}

[[noreturn]] void ThrowErrno()
{
    throw EInOutError::FromErrno(errno);
}

QByteArray NativeName()
{
    return QFile::encodeName(TrackFileName());
}

void CloseHandle()
{
    TrackFileState &state = State();
    if (state.handle < 0)
        return;
    const int handle = state.handle;
    state.handle = -1;
    if (::close(handle) != 0)
        ThrowErrno();
}

void OpenHandle(int flags)
{
    CloseHandle();
    const int handle = ::open(NativeName().constData(), flags | O_RDWR | O_CLOEXEC, 0666);
    if (handle < 0)
        ThrowErrno();
    State().handle = handle;
}

int OpenHandleOrThrow()
{
    const int handle = State().handle;
    if (handle < 0)
        throw EInOutError(EInOutError::FileNotOpen);
    return handle;
}

void CountRecords()
{
    struct stat info;
    if (::fstat(OpenHandleOrThrow(), &info) != 0)
        ThrowErrno();
    const off_t records = info.st_size / TrackRecordSize;
    State().count =
        static_cast<std::int32_t>(std::min<off_t>(records, std::numeric_limits<std::int32_t>::max()));
}

off_t RecordOffset(std::int32_t index)
{
    return static_cast<off_t>(index) * TrackRecordSize;
}

// A file that holds no whole record would leave nothing to race on.
void EnsureOneTrack()
{
    if (TrackCount() == 0)
        WriteTrack(0, DefaultTrack());
}

} // namespace

QString TrackFolder()
{
    const TrackFileState &state = State();
    if (!state.chosenFolder.isEmpty())
        return state.chosenFolder;
    // An installed program's folder (…/bin beside …/share/sk2) is shared by every program on the system
    // and writable for root, so tracks never go there; a build or portable tree keeps them at hand.
    const QString programFolder = ProgramFolder();
    if (InstalledDataFolder().isEmpty() && QFileInfo(programFolder).isWritable())
        return programFolder;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("sk2"));
}

void SetTrackFolder(const QString &folder)
{
    State().chosenFolder = folder;
    State().fileName.clear();
}

QString TrackFileName()
{
    const TrackFileState &state = State();
    if (!state.fileName.isEmpty())
        return state.fileName;
    return QDir(TrackFolder()).filePath(QStringLiteral("sk2.trk"));
}

std::int32_t TrackCount()
{
    return State().count;
}

bool TrackFileOpen()
{
    return State().open;
}

void OpenTrackFile()
{
    TrackFileState &state = State();
    state.fileName.clear();
    state.fileName = TrackFileName();
    try {
        if (QFileInfo::exists(state.fileName)) {
            OpenHandle(0);
            CountRecords();
            EnsureOneTrack();
        } else {
            QDir().mkpath(QFileInfo(state.fileName).absolutePath());
            OpenHandle(O_CREAT | O_TRUNC);
            state.count = 1;
            WriteTrack(0, DefaultTrack());
            OpenHandle(0);
        }
    } catch (const EInOutError &) {
        // The program ends on this error; leave no handle behind for a caller that carries on.
        if (state.handle >= 0)
            ::close(state.handle);
        state.handle = -1;
        throw;
    }
    state.open = true;
}

void CloseTrackFile()
{
    TrackFileState &state = State();
    if (!state.open)
        return;
    state.open = false;
    CloseHandle();
}

void ReopenTrackFile()
{
    OpenHandle(0);
    State().open = true;
    CountRecords();
    EnsureOneTrack();
}

void CreateEmptyTrackFile()
{
    OpenHandle(O_CREAT | O_TRUNC);
    State().open = true;
    State().count = 0;
}

void ReadTrack(std::int32_t Index, TTrackRec &Rec)
{
    const int handle = OpenHandleOrThrow();
    if (Index < 0)
        throw EInOutError(EInOutError::EndOfFile);
    TTrackRec read;
    auto *bytes = reinterpret_cast<char *>(&read);
    std::size_t done = 0;
    while (done < sizeof read) {
        const ssize_t got = ::pread(handle, bytes + done, sizeof read - done, RecordOffset(Index) + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowErrno();
        if (got == 0)
            throw EInOutError(EInOutError::EndOfFile);
        done += got;
    }
    Rec = read;
}

TTrackRec ReadTrack(std::int32_t Index)
{
    TTrackRec rec{};
    ReadTrack(Index, rec);
    return rec;
}

void WriteTrack(std::int32_t Index, const TTrackRec &Rec)
{
    const int handle = OpenHandleOrThrow();
    if (Index < 0 || Index > TrackCount())
        throw EInOutError(EInOutError::EndOfFile);
    const auto *bytes = reinterpret_cast<const char *>(&Rec);
    std::size_t done = 0;
    while (done < sizeof Rec) {
        const ssize_t put = ::pwrite(handle, bytes + done, sizeof Rec - done, RecordOffset(Index) + done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            ThrowErrno();
        if (put == 0)
            throw EInOutError(EInOutError::DiskFull);
        done += put;
    }
    CountRecords();
}

} // namespace sk2
