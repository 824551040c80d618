#pragma once

// The track file "sk2.trk": a plain sequence of 336-byte TTrackRec records, nothing before, between or
// after them. One handle stays open from OpenTrackFile to CloseTrackFile and every read and write goes
// through it; nothing is cached, a track is read from the file when it is needed.
//
// Every operation is checked and raises EInOutError with the system's text: "File not found",
// "File access denied", "Read beyond end of file", "Disk full", "File not open", "I/O error <n>".
// A read fills the caller's record only when the whole record was read.
//
// The file lies in the program's folder when that folder is writable and is not an installed system's
// (a build or portable tree), otherwise in the user's data folder for sk2; SetTrackFolder chooses
// another folder (tests).

#include "inouterror.h"
#include "trackrecord.h"

#include <QString>

#include <cstdint>

namespace sk2 {

// The folder the track file lies in, and a way to choose it; an empty folder returns to the default.
QString TrackFolder();
void SetTrackFolder(const QString &folder);

// The full path of the track file: the folder, its trailing separator, and "sk2.trk".
QString TrackFileName();
// The number of whole records in the file as last counted: the file size divided by 336.
std::int32_t TrackCount();
// OpenTrackFile has run and CloseTrackFile has not.
bool TrackFileOpen();

// Opens the track file for reading and writing. A missing file is created holding the default track;
// an existing file without a whole record gets the default track appended, so there is always a track.
void OpenTrackFile();
// Closes the file when it is open.
void CloseTrackFile();
// Closes the file and opens it again, counting its records anew (an empty file gets the default
// track as in OpenTrackFile). Callers first check that a file named TrackFileName exists.
void ReopenTrackFile();
// Creates the file anew and empty, open for reading and writing, with TrackCount 0 (the track editor,
// when it opens while there is no track file).
void CreateEmptyTrackFile();

// Reads record Index. An Index past the last whole record, or below 0, raises "Read beyond end of file"
// and leaves Rec untouched.
void ReadTrack(std::int32_t Index, TTrackRec &Rec);
TTrackRec ReadTrack(std::int32_t Index);
// Overwrites record Index, or appends a record when Index is TrackCount; then counts the records anew.
// Any other Index raises "Read beyond end of file" and writes nothing: records are never left with gaps.
void WriteTrack(std::int32_t Index, const TTrackRec &Rec);

} // namespace sk2
