#pragma once

// Faults to save under, made so that they hold for root too: the tests run as root in CI, and root
// writes into any folder whatever its permissions say.
//
// - FileSizeLimit: a full disk. While it lives no file this process writes may grow past a given size;
//   a write beyond it fails with EFBIG, which is what a full disk looks like to the writer.
// - RunInReadOnlyFolder: a folder closed to new files. The save runs in a child process that, under
//   root, first becomes an ordinary user, so that the folder's permissions bind it.
// - SaveFault, WholeFileSaveFaults: the faults above as rows of a test table.
// - FileBytes, FolderEntries: what a test compares afterwards (the previous file, stray temporary files).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <ostream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace skarvel::testsupport {

// Limits the size of every file this process writes to `bytes` while it lives. The signal that would
// end the process at the limit is ignored, so the write itself fails with EFBIG instead. Only the soft
// limit is lowered, so that an unprivileged process can raise it again afterwards.
class FileSizeLimit
{
    using SignalAction = struct sigaction;

public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        SignalAction ignore{};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        m_signalSet = ::sigaction(SIGXFSZ, &ignore, &m_previousAction) == 0;
        if (::getrlimit(RLIMIT_FSIZE, &m_previousLimit) != 0)
            return;
        rlimit limit = m_previousLimit;
        limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? bytes : std::min<rlim_t>(bytes, limit.rlim_max);
        m_limitSet = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_limitSet)
            ::setrlimit(RLIMIT_FSIZE, &m_previousLimit);
        if (m_signalSet)
            ::sigaction(SIGXFSZ, &m_previousAction, nullptr);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // The limit holds and reaching it cannot end the process.
    bool active() const { return m_limitSet && m_signalSet; }

private:
    rlimit m_previousLimit{};
    SignalAction m_previousAction{};
    bool m_limitSet = false;
    bool m_signalSet = false;
};

// The ids a child running as root takes on: "nobody" on most systems. They need no name.
inline constexpr uid_t UnprivilegedUser = 65534;
inline constexpr gid_t UnprivilegedGroup = 65534;

namespace detail {

inline std::string ErrnoText(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

inline void WriteAll(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return;
        done += std::size_t(put);
    }
}

inline std::string ReadAll(int fd)
{
    std::string text;
    char block[4096];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(block, std::size_t(got));
    }
}

// The child's side: drop root, run the action, and never return into the test (its destructors would
// remove the parent's temporary folders).
[[noreturn]] inline void RunChild(int channel, const std::function<std::string()> &action)
{
    std::string text;
    int status = 0;
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(UnprivilegedGroup) != 0 ||
                             ::setuid(UnprivilegedUser) != 0)) {
        text = ErrnoText("cannot become an unprivileged user");
        status = 1;
    } else {
        try {
            text = action();
        } catch (const std::exception &error) {
            text = std::string("unexpected exception: ") + error.what();
            status = 1;
        } catch (...) {
            text = "unexpected exception";
            status = 1;
        }
    }
    WriteAll(channel, text);
    ::_exit(status);
}

} // namespace detail

// Runs `action` in a forked child process as an ordinary user (when this process is root; otherwise as
// this user) and returns the text it returned. A child that cannot drop root, throws or dies returns a
// text saying so, which no test expects. Only the forking thread lives on in the child: the action
// should do file work, not wait for other threads.
inline std::string RunAsUnprivileged(const std::function<std::string()> &action)
{
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return detail::ErrnoText("pipe");
    std::fflush(nullptr); // or the child would write out the parent's buffered output again
    const pid_t child = ::fork();
    if (child < 0) {
        const std::string text = detail::ErrnoText("fork");
        ::close(channel[0]);
        ::close(channel[1]);
        return text;
    }
    if (child == 0) {
        ::close(channel[0]);
        detail::RunChild(channel[1], action);
    }
    ::close(channel[1]);
    std::string text = detail::ReadAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return detail::ErrnoText("waitpid");
    }
    if (WIFSIGNALED(status))
        return text + " [child ended by signal " + std::to_string(WTERMSIG(status)) + "]";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return text + " [child failed]";
    return text;
}

// While it lives, `folder` can be listed and entered by everyone but takes no new files, renames or
// removals from anyone but root (mode 0555); its files keep their own modes. Its previous mode comes
// back at the end.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder)
        : m_path(QFile::encodeName(folder))
    {
        struct stat info = {};
        if (::stat(m_path.constData(), &info) != 0)
            return;
        m_previousMode = info.st_mode & 07777;
        m_set = ::chmod(m_path.constData(), 0555) == 0;
    }
    ~ReadOnlyFolder()
    {
        if (m_set)
            ::chmod(m_path.constData(), m_previousMode);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool active() const { return m_set; }

private:
    QByteArray m_path;
    mode_t m_previousMode = 0;
    bool m_set = false;
};

// Why this process cannot make a new file in `folder`: the errno of the attempt, or 0 when it could
// (the file is removed again).
inline int CreateError(const QString &folder)
{
    const QByteArray probe = QFile::encodeName(QDir(folder).filePath(QStringLiteral(".skarvel-probe")));
    const int fd = ::open(probe.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    ::close(fd);
    ::unlink(probe.constData());
    return 0;
}

// Runs `action` as an ordinary user in a child process while `folder` is read-only, and returns the text
// it returned. The child first makes sure the fault holds: it must reach the folder and be refused a new
// file in it, or the text says why not (folders above one made by QTemporaryDir, for instance, must let
// the user through; /tmp does).
inline std::string RunInReadOnlyFolder(const QString &folder, const std::function<std::string()> &action)
{
    const ReadOnlyFolder readOnly(folder);
    if (!readOnly.active())
        return detail::ErrnoText("cannot make the folder read-only");
    return RunAsUnprivileged([&]() -> std::string {
        if (::access(QFile::encodeName(folder).constData(), R_OK | X_OK) != 0)
            return detail::ErrnoText("the folder cannot be reached");
        if (const int error = CreateError(folder); error != EACCES)
            return std::string("the folder is not read-only for this user: ") +
                   (error == 0 ? "a new file could be made" : std::strerror(error));
        return action();
    });
}

// The whole content of the file at `path`; empty when it cannot be read.
inline QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names of everything in `folder`, hidden entries included, sorted: a save that failed must leave
// no temporary file behind.
inline QStringList FolderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// One fault of a test table: `run` runs `save` under the fault and returns the text `save` returned.
// `folder` holds the file being saved; `fullSize` is the size a complete save gives it.
struct SaveFault
{
    const char *name;
    std::function<std::string(const QString &folder, qint64 fullSize,
                              const std::function<std::string()> &save)>
        run;
};

inline void PrintTo(const SaveFault &fault, std::ostream *out)
{
    *out << fault.name;
}

// A disk that has room for `room(fullSize)` bytes of a file.
inline SaveFault DiskFullAt(const char *name, qint64 (*room)(qint64 fullSize))
{
    return {name, [room](const QString &, qint64 fullSize, const std::function<std::string()> &save) {
                const FileSizeLimit limit(rlim_t(std::max<qint64>(0, room(fullSize))));
                if (!limit.active())
                    return detail::ErrnoText("cannot limit the file size");
                return save();
            }};
}

inline SaveFault ReadOnlyFolderFault()
{
    return {"read_only_folder", [](const QString &folder, qint64, const std::function<std::string()> &save) {
                return RunInReadOnlyFolder(folder, save);
            }};
}

// What a save that replaces a whole file must survive: a disk without room for a byte of it, one that
// fills up halfway, one that lacks room for the last byte only, and a folder that takes no new file.
inline std::vector<SaveFault> WholeFileSaveFaults()
{
    return {
        DiskFullAt("disk_full_at_once", [](qint64) { return qint64(0); }),
        DiskFullAt("disk_full_halfway", [](qint64 fullSize) { return fullSize / 2; }),
        DiskFullAt("disk_full_before_the_last_byte", [](qint64 fullSize) { return fullSize - 1; }),
        ReadOnlyFolderFault(),
    };
}

// Names the rows of a table for INSTANTIATE_TEST_SUITE_P.
struct SaveFaultName
{
    template<class ParamInfo> std::string operator()(const ParamInfo &info) const { return info.param.name; }
};

} // namespace skarvel::testsupport
