#pragma once

#include <string>
#include <string_view>

namespace kpd {

// The one way this project writes a file: whole or not at all. The bytes go to a new file
// in the target's folder, which replaces the target only once every byte is on disk; the
// target keeps its permissions (and, where the system allows, its owner), a symbolic link
// keeps pointing at the file it names, and a write-protected file is refused. Temporaries
// that killed writers left beside the target go on the next write.
class SafeFile {
public:
    struct Options {
        // Creates the file only where none of that name exists, even one that another
        // process created a moment before; an existing file is kept ("File exists").
        bool onlyIfNew = false;
        // For files the program writes unasked under fixed names: a symbolic link that
        // leads out of this folder is refused instead of followed. Empty: links lead anywhere.
        std::string confinedTo;
    };

    // Throws FileWriteError naming path; the old file is then exactly as it was and no
    // temporary file is left behind.
    static void write(const std::string& path, std::string_view bytes);
    static void write(const std::string& path, std::string_view bytes, const Options& options);
};

} // namespace kpd
