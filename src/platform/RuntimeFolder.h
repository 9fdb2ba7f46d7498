// CRuntimeFolder: the folder for the files a running program keeps for its
// user alone (the single-instance lock, the socket that takes a second
// start's file): a directory that only this user can write.
//
// $XDG_RUNTIME_DIR is used when it is such a folder. Otherwise the folder is
// made in the temporary directory as "cpz5-UID" with mode 0700; a folder of
// that name that belongs to someone else, is a symbolic link, is not a
// directory or can be written by others is never used: the next name
// ("cpz5-UID.1", ...) is tried instead. When other users have taken every
// name there, the folder is "cpz5" in the user's cache folder
// ($XDG_CACHE_HOME, default ~/.cache), where nobody else can plant anything.
#pragma once

#include <string>

class CRuntimeFolder {
  public:
    // How many names in the temporary directory are tried.
    static constexpr int kCandidates = 8;

    // The folder to use, made when missing; "" when none could be found.
    static std::string Find();

    // True when path is a directory (not a symbolic link) owned by this user
    // that nobody else may write, enter or list.
    static bool IsPrivate(const std::string& path);

    // The folder of the given name, made when missing; "" when it is not
    // private.
    static std::string MakePrivate(const std::string& path);

    // The names tried in the temporary directory, first to last.
    static std::string Candidate(int index);

    // The folder in the user's cache folder, tried last; "" when neither
    // $XDG_CACHE_HOME nor $HOME names a folder.
    static std::string HomeCandidate();
};
