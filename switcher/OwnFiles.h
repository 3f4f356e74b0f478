#pragma once
// The files the tool makes in folders that are not its own (the game folder, the program folder):
// a temporary name that is unique to the run and created new, and removal of nothing but a file
// that holds the tool's own bytes, verified and deleted through one handle.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/Platform.h"

// Bytes the tool writes: the embedded language files.
using OwnBytes = std::span<const uint8_t>;

// A new file beside a path, named "<path>.~avsprache-<process>-<n>.tmp" (the next n while a name is
// taken). It is held for reading, writing, deletion and its DACL, shared for deletion only: the
// rename can move it while it is held, and nobody can change its bytes meanwhile. Unless it was
// installed, it is deleted through its handle when this object goes.
class TemporaryFile {
public:
    // Nothing, with the last creation error in *error, when no name could be created.
    static std::unique_ptr<TemporaryFile> CreateBeside(platform::Platform& platform, const std::u16string& path,
                                                       uint32_t* error);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    platform::File& File() { return *file_; }
    const std::u16string& Path() const { return path_; }

    // Renames the file over the target in one step (MoveReplacing): a link of that name is replaced,
    // never followed. False, with the error in *error, when the rename fails.
    bool Install(const std::u16string& target, uint32_t* error);

private:
    TemporaryFile(platform::Platform& platform, std::u16string path, std::unique_ptr<platform::File> file)
        : platform_(platform), path_(std::move(path)), file_(std::move(file)) {}

    platform::Platform& platform_;
    std::u16string path_;
    std::unique_ptr<platform::File> file_;
    bool installed_ = false;
};

// Deletes the file when it holds a prefix of one of the given contents and nothing else, and is no
// folder, no read-only file and no name that leads elsewhere. The bytes are read through the handle
// that then deletes, opened without sharing, so what was verified is what goes. True when deleted.
bool RemoveIfOurs(platform::Platform& platform, const std::u16string& path, std::span<const OwnBytes> ours);

// Deletes what killed runs left of TemporaryFile beside the path, where RemoveIfOurs allows it.
void RemoveLeftovers(platform::Platform& platform, const std::u16string& path, std::span<const OwnBytes> ours);
