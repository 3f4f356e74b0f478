#pragma once
// An in-memory Windows for the tool's logic: files, folders and links (names compared without
// regard to case, relative names taken from a current folder), the registry below
// HKEY_LOCAL_MACHINE, the embedded items, font registration and the process list. Every call a
// test may need to check is recorded, and every failure the logic handles can be injected.
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace fake {

using Bytes = std::vector<uint8_t>;

// The bytes of a narrow literal, embedded NULs included: ToBytes("a\0b") has three bytes.
template <size_t N>
Bytes ToBytes(const char (&text)[N]) {
    return Bytes(text, text + N - 1);
}
Bytes ToBytes(std::string_view text);

// Upper case as the file system compares names: ASCII and Latin-1 letters.
std::u16string FoldCase(std::u16string text);

struct CaseInsensitiveLess {
    bool operator()(const std::u16string& a, const std::u16string& b) const { return FoldCase(a) < FoldCase(b); }
};

// A file index no entry has had before.
uint64_t NextFileIndex();

// An entry of the file system.
struct Node {
    Bytes bytes;
    uint32_t attributes = platform::win::kFileAttributeNormal;  // without the folder and link bits
    bool isDirectory = false;
    bool isLink = false;
    std::u16string linkTarget;  // where a link leads; empty for a dangling one
    int openHandles = 0;
    uint32_t reparseTag = 0;       // of a link, or of a reparse point that holds its own data
    Bytes security;                // the DACL's descriptor; none: the file system keeps none
    int securityWrites = 0;        // DACLs set on it (Wine maps each onto the Unix mode, lossily)
    int handlesDenyingDelete = 0;  // open handles that do not share deletion (they block renames)
    // A Unix symbolic link as Wine 8 shows it: the attributes of its target, no reparse point, and
    // followed by every open, so that deleting through it deletes the target.
    bool unixLink = false;
    // What GetFileInformationByHandle tells of it: one volume, an index per entry ever made, kept
    // by renames and shared by hard links.
    uint32_t volumeSerial = 0x5EED0013u;
    uint64_t fileIndex = NextFileIndex();
    int renames = 0;  // a handle opened before a rename reports volume serial 0, as under Wine
};

// How the handles of a file behave. Offsets are file offsets.
struct IoFaults {
    struct Range {
        uint32_t begin, end;  // [begin, end)
    };
    std::vector<Range> failingReads;  // a read that would deliver one of these bytes fails, delivering nothing
    uint32_t failReadsLongerThan = std::numeric_limits<uint32_t>::max();  // larger requests fail
    uint32_t maxBytesPerRead = std::numeric_limits<uint32_t>::max();     // short reads
    uint32_t maxBytesPerWrite = std::numeric_limits<uint32_t>::max();    // short writes; 0 takes nothing
    std::optional<uint32_t> failWriteAt;  // a write reaching this offset stores the bytes before it, then fails
    bool failFlush = false;
    bool failSecurityRead = false;
    bool failSecurityWrite = false;
    bool failDeletion = false;  // SetFileInformationByHandle(FileDispositionInfo)
    bool failIdentity = false;  // GetFileInformationByHandle
};

struct RegistryValue {
    uint32_t type = platform::win::kRegSz;
    Bytes data;
    int32_t dataQueryStatus = 0;  // non-zero: the query that fetches the data fails with it
};

// REG_SZ data of a text with its terminating NUL.
RegistryValue StringValue(const std::u16string& text, uint32_t type = platform::win::kRegSz);

// One recorded call: the path it names and its numeric arguments in order.
struct Call {
    std::string function;
    std::u16string path;
    std::vector<uint32_t> values;
    std::u16string secondPath;  // MoveReplacing's target
};

class FakePlatform : public platform::Platform {
public:
    FakePlatform();

    // --- Arranging -----------------------------------------------------------------------------
    // Files and links are created with their parent folders.
    Node& AddFile(const std::u16string& path, Bytes bytes = {},
                  uint32_t attributes = platform::win::kFileAttributeNormal);
    Node& AddFolder(const std::u16string& path);
    Node& AddLink(const std::u16string& path, const std::u16string& target, bool toFolder = false);
    Node& AddUnixLink(const std::u16string& path, const std::u16string& target);
    // A reparse point that is no link (a cloud placeholder, say): its own bytes under its name.
    Node& AddReparsePoint(const std::u16string& path, uint32_t tag, Bytes bytes = {});
    // A second name of an existing file.
    Node& AddHardLink(const std::u16string& path, const std::u16string& existing);
    Node* Find(const std::u16string& path);
    void Remove(const std::u16string& path);
    // Every entry's full name, sorted without regard to case.
    std::vector<std::u16string> Paths() const;
    // The files directly inside a folder, by full name.
    std::vector<std::u16string> FilesIn(const std::u16string& folder);

    std::u16string moduleFileName = u"C:\\Tools\\AVSprache.exe";
    std::u16string currentFolder = u"C:\\Work\\";
    int logicalPixelsY = 96;
    uint32_t processId = 0x1234;
    Bytes createdSecurity = ToBytes("DACL inherited from the folder");  // of every file CreateFileW makes
    std::map<uint32_t, std::u16string> errorTexts;

    // Failure injection, by full name (any spelling that resolves to it).
    std::map<std::u16string, uint32_t, CaseInsensitiveLess> attributeErrors;  // GetFileAttributesW
    std::map<std::u16string, uint32_t, CaseInsensitiveLess> openErrors;       // CreateFileW
    std::map<std::u16string, IoFaults, CaseInsensitiveLess> fileFaults;       // handles opened on a name
    IoFaults otherFileFaults;                       // handles on names without their own entry
    std::optional<uint32_t> moveError;              // MoveFileExW fails with it
    std::function<void(const std::u16string&)> beforeOpen;  // runs as CreateFileW starts

    std::map<std::u16string, std::map<std::u16string, RegistryValue, CaseInsensitiveLess>, CaseInsensitiveLess>
        registry;
    int openKeys = 0;

    std::map<std::pair<std::u16string, std::u16string>, Bytes> items;  // (type, name)

    std::vector<uint64_t> fontResults;  // AddFontMemResourceEx handles in order; 1 once used up
    std::vector<Bytes> registeredFonts;

    bool processListAvailable = true;
    std::vector<std::u16string> processes;  // image names; 260 units or more are stored without terminator
    std::vector<uint32_t> walkEntrySizes;   // dwSize of the entry at each First/Next call

    std::vector<Call> calls;
    std::vector<Call> CallsTo(std::string_view function) const;

    // --- platform::Platform --------------------------------------------------------------------
    platform::String ModuleFileName() override { return moduleFileName; }
    platform::String LowerCase(const platform::String& text) override;
    platform::String FullPathName(const platform::String& path) override;
    platform::String ErrorText(uint32_t code) override;
    int LogicalPixelsY() override { return logicalPixelsY; }
    std::unique_ptr<platform::RegistryKey> OpenLocalMachineKey(const platform::String& path, uint32_t access) override;
    uint32_t FileAttributes(const platform::String& path, uint32_t* error) override;
    std::optional<uint32_t> FindFirstFileAttributes(const platform::String& path) override;
    bool SetAttributes(const platform::String& path, uint32_t attributes) override;
    std::unique_ptr<platform::File> OpenFile(const platform::String& path, uint32_t access, uint32_t share,
                                             uint32_t disposition, uint32_t flagsAndAttributes,
                                             uint32_t* error) override;
    bool MoveReplacing(const platform::String& from, const platform::String& to, uint32_t* error) override;
    std::vector<platform::FoundEntry> FindEntries(const platform::String& pattern) override;
    std::optional<std::span<const uint8_t>> FindItem(const platform::String& type, const platform::String& name) override;
    uint64_t AddFontMemResource(const void* data, uint32_t size) override;
    std::unique_ptr<platform::ProcessSnapshot> SnapshotProcesses() override;
    uint32_t ProcessId() override { return processId; }

private:
    // The full name with doubled backslashes and a trailing one removed, as the system sees it.
    std::u16string Resolve(const std::u16string& path);
    // ERROR_SUCCESS when the folder the name lies in exists, else ERROR_PATH_NOT_FOUND.
    uint32_t ParentError(const std::u16string& fullName) const;
    // Deletion on the close of a handle marked for it: the name it was opened by, else any other.
    void EraseNode(const std::u16string& openedName, const std::shared_ptr<Node>& node);
    // What the system shows of an entry: for a Unix link its target (itself when dangling).
    const Node& Shown(const Node& node);

    std::map<std::u16string, std::shared_ptr<Node>, CaseInsensitiveLess> nodes_;
    Node root_{{}, 0, true, false, {}, 0, 0, {}, 0};  // drives and shares: always there, never listed
};

// The attributes GetFileAttributesW reports for an entry.
uint32_t ReportedAttributes(const Node& node);

}  // namespace fake
