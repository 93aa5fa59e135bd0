#pragma once

#include <string>

// How the file dialog was closed and, when a name was accepted, which file. UTF-8 texts.
struct CommonFileDialogResult {
    enum class State { Accepted = 0, Cancelled = 1, Closed = 2 };

    int requestId = 0;  // of the request that opened the dialog
    // The rest is filled only when a name was accepted, except the drive.
    std::string path;               // the directory and the file name joined
    std::string drive;              // the drive in force at the close
    std::string directory;          // the file's directory
    std::string relativeDirectory;  // that directory seen from the working directory, or empty
    std::string fileName;           // the file's name within the directory
    // Before the first close nothing was accepted.
    State state = State::Closed;
    bool fileExisted = false;  // whether the name was an existing file at the close
};
