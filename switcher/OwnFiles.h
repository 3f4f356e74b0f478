#pragma once
// The files the tool makes in folders that are not its own (the game folder, the program folder):
// a temporary name that is unique to the run and created new, and removal of nothing but a file
// this run made, recognised by its identity and deleted through the handle that checked it.
// Leftovers of killed runs are not removed: where links look like plain files (Unix links under
// Wine), nothing can prove that a file this run did not make is the tool's.
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

// Deletes the file at the path when the name still refers to the file of that identity, one this
// run made, and it holds exactly the given bytes and is not read-only. Whatever else has taken the
// name stays, and what a name leads to is never deleted unless it is that file. Checked and deleted
// through one handle, opened without sharing and without following a link the system shows as one.
// True when deleted.
bool RemoveIfMadeByThisRun(platform::Platform& platform, const std::u16string& path,
                           const platform::FileIdentity& made, OwnBytes bytes);
