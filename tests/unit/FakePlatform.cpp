#include "FakePlatform.h"

#include <algorithm>
#include <cstring>

using namespace platform::win;

namespace fake {

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

uint64_t NextFileIndex() {
    static uint64_t last = 0;
    return ++last;
}

std::u16string FoldCase(std::u16string text) {
    for (char16_t& c : text)
        if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) c = static_cast<char16_t>(c - 0x20);
    return text;
}

RegistryValue StringValue(const std::u16string& text, uint32_t type) {
    RegistryValue value{type, {}, 0};
    for (const char16_t unit : text + u'\0') {
        value.data.push_back(static_cast<uint8_t>(unit & 0xFF));
        value.data.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return value;
}

uint32_t ReportedAttributes(const Node& node) {
    uint32_t attributes = node.attributes & ~kFileAttributeNormal;
    if (node.isDirectory) attributes |= kFileAttributeDirectory;
    if ((node.isLink && !node.unixLink) || node.reparseTag != 0) attributes |= kFileAttributeReparsePoint;
    return attributes != 0 ? attributes : kFileAttributeNormal;
}

namespace {

std::u16string ParentOf(const std::u16string& fullName) {
    const size_t slash = fullName.rfind(u'\\');
    return slash == std::u16string::npos ? std::u16string() : fullName.substr(0, slash);
}

// A drive ("C:") or a share root has no entry of its own and always exists.
bool IsRoot(const std::u16string& name) { return name.size() <= 2 || name.substr(0, 2) == u"\\\\"; }

// The attributes CreateFileW gives a file it creates.
uint32_t CreatedAttributes(uint32_t flagsAndAttributes) {
    const uint32_t attributes = flagsAndAttributes & 0x7FFF & ~kFileAttributeNormal;
    return attributes != 0 ? attributes : kFileAttributeNormal;
}

// Whether the name matches a FindFirstFileW pattern of '*' and '?', without regard to case.
bool MatchesPattern(std::u16string_view name, std::u16string_view pattern) {
    if (pattern.empty()) return name.empty();
    if (pattern.front() == u'*')
        return MatchesPattern(name, pattern.substr(1)) || (!name.empty() && MatchesPattern(name.substr(1), pattern));
    if (name.empty()) return false;
    const bool same = pattern.front() == u'?' ||
                      FoldCase(std::u16string(1, name.front())) == FoldCase(std::u16string(1, pattern.front()));
    return same && MatchesPattern(name.substr(1), pattern.substr(1));
}

class FakeFile : public platform::File {
public:
    using Eraser = std::function<void(const std::shared_ptr<Node>&)>;

    FakeFile(std::shared_ptr<Node> node, IoFaults faults, bool canRead, bool canWrite)
        : node_(std::move(node)), faults_(std::move(faults)), canRead_(canRead), canWrite_(canWrite) {
        ++node_->openHandles;
    }
    // With the access and sharing the handle was opened with, and what deletes its node.
    FakeFile(std::shared_ptr<Node> node, IoFaults faults, uint32_t access, uint32_t share, Eraser erase)
        : FakeFile(std::move(node), std::move(faults), (access & kGenericRead) != 0, (access & kGenericWrite) != 0) {
        access_ = access;
        sharesDelete_ = (share & kFileShareDelete) != 0;
        if (!sharesDelete_) ++node_->handlesDenyingDelete;
        erase_ = std::move(erase);
    }
    ~FakeFile() override {
        --node_->openHandles;
        if (!sharesDelete_) --node_->handlesDenyingDelete;
        if (deletePending_ && erase_) erase_(node_);
    }

    bool Seek(uint32_t offset) override {
        pos_ = offset;
        return true;
    }

    bool Read(void* buffer, uint32_t size, uint32_t* read) override {
        *read = 0;
        if (!canRead_ || size > faults_.failReadsLongerThan) return false;
        const uint64_t available = pos_ < node_->bytes.size() ? node_->bytes.size() - pos_ : 0;
        const uint32_t count = static_cast<uint32_t>(std::min<uint64_t>({size, available, faults_.maxBytesPerRead}));
        for (const auto& range : faults_.failingReads)
            if (range.begin < uint64_t{pos_} + count && pos_ < range.end) return false;
        if (count > 0) std::memcpy(buffer, node_->bytes.data() + pos_, count);
        pos_ += count;
        *read = count;
        return true;
    }

    bool Write(const void* data, uint32_t size, uint32_t* written) override {
        *written = 0;
        if (!canWrite_) return false;
        uint64_t count = std::min(size, faults_.maxBytesPerWrite);
        bool fails = false;
        if (faults_.failWriteAt && pos_ + count > *faults_.failWriteAt) {
            count = pos_ < *faults_.failWriteAt ? *faults_.failWriteAt - pos_ : 0;
            fails = true;
        }
        if (node_->bytes.size() < pos_ + count) node_->bytes.resize(pos_ + count);
        if (count > 0) std::memcpy(node_->bytes.data() + pos_, data, count);
        pos_ += static_cast<uint32_t>(count);
        *written = static_cast<uint32_t>(count);
        return !fails;
    }

    bool Flush() override { return !faults_.failFlush; }
    uint32_t HandleAttributes() override { return ReportedAttributes(*node_); }
    uint32_t ReparseTag() override { return node_->reparseTag; }

    std::optional<platform::FileIdentity> Identity() override {
        if (faults_.failIdentity) return std::nullopt;
        return platform::FileIdentity{node_->renames == renamesAtOpen_ ? node_->volumeSerial : 0, node_->fileIndex};
    }

    bool MarkForDeletion() override {
        if (!(access_ & kDelete) || faults_.failDeletion || node_->isDirectory ||
            (node_->attributes & kFileAttributeReadonly))
            return false;
        deletePending_ = true;
        return true;
    }

    std::optional<std::vector<uint8_t>> Security() override {
        if (!(access_ & (kReadControl | kGenericRead)) || faults_.failSecurityRead || node_->security.empty())
            return std::nullopt;
        return node_->security;
    }

    bool SetSecurity(const std::vector<uint8_t>& descriptor) override {
        if (!(access_ & kWriteDac) || faults_.failSecurityWrite) return false;
        node_->security = descriptor;
        ++node_->securityWrites;
        return true;
    }

private:
    std::shared_ptr<Node> node_;
    IoFaults faults_;
    bool canRead_, canWrite_;
    uint32_t pos_ = 0;
    uint32_t access_ = 0;
    bool sharesDelete_ = true;
    int renamesAtOpen_ = node_->renames;
    bool deletePending_ = false;
    Eraser erase_;
};

class FakeKey : public platform::RegistryKey {
public:
    FakeKey(const std::map<std::u16string, RegistryValue, CaseInsensitiveLess>& values, int& openKeys)
        : values_(values), openKeys_(openKeys) {
        ++openKeys_;
    }
    ~FakeKey() override { --openKeys_; }

    int32_t QueryValue(const std::u16string& name, uint32_t* type, uint8_t* data, uint32_t* size) override {
        const auto it = values_.find(name);
        if (it == values_.end()) return static_cast<int32_t>(kErrorFileNotFound);
        const RegistryValue& value = it->second;
        if (data != nullptr) {
            if (value.dataQueryStatus != 0) return value.dataQueryStatus;
            if (*size < value.data.size()) {
                *size = static_cast<uint32_t>(value.data.size());
                return 234;  // ERROR_MORE_DATA
            }
            std::copy(value.data.begin(), value.data.end(), data);
        }
        *type = value.type;
        *size = static_cast<uint32_t>(value.data.size());
        return kRegSuccess;
    }

private:
    const std::map<std::u16string, RegistryValue, CaseInsensitiveLess>& values_;
    int& openKeys_;
};

class FakeSnapshot : public platform::ProcessSnapshot {
public:
    FakeSnapshot(std::vector<std::u16string> names, std::vector<uint32_t>& entrySizes)
        : names_(std::move(names)), entrySizes_(entrySizes) {}

    bool First(platform::ProcessEntry& entry) override {
        index_ = 0;
        return Fill(entry);
    }
    bool Next(platform::ProcessEntry& entry) override {
        ++index_;
        return Fill(entry);
    }

private:
    bool Fill(platform::ProcessEntry& entry) {
        entrySizes_.push_back(entry.dwSize);
        if (index_ >= names_.size()) return false;
        const std::u16string& name = names_[index_];
        const size_t units = std::min(name.size(), std::size(entry.szExeFile));
        std::copy_n(name.begin(), units, entry.szExeFile);
        if (units < std::size(entry.szExeFile)) entry.szExeFile[units] = u'\0';
        return true;
    }

    std::vector<std::u16string> names_;
    std::vector<uint32_t>& entrySizes_;
    size_t index_ = 0;
};

}  // namespace

FakePlatform::FakePlatform() {
    errorTexts = {
        {kErrorFileNotFound, u"Das System kann die angegebene Datei nicht finden.\r\n"},
        {kErrorPathNotFound, u"Das System kann den angegebenen Pfad nicht finden.\r\n"},
        {kErrorAccessDenied, u"Zugriff verweigert\r\n"},
        {kErrorSharingViolation,
         u"Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess verwendet wird.\r\n"},
        {kErrorCantAccessFile, u"Das System kann auf die Datei nicht zugreifen.\r\n"},
    };
}

// --- Arranging ---------------------------------------------------------------------------------

Node& FakePlatform::AddFolder(const std::u16string& path) {
    const std::u16string name = Resolve(path);
    if (IsRoot(name)) return root_;
    const std::u16string parent = ParentOf(name);
    if (!IsRoot(parent)) AddFolder(parent);
    auto& node = nodes_[name];
    if (!node) {
        node = std::make_shared<Node>();
        node->isDirectory = true;
        node->attributes = 0;
    }
    return *node;
}

Node& FakePlatform::AddFile(const std::u16string& path, Bytes bytes, uint32_t attributes) {
    const std::u16string name = Resolve(path);
    if (!IsRoot(ParentOf(name))) AddFolder(ParentOf(name));
    auto node = std::make_shared<Node>();
    node->bytes = std::move(bytes);
    node->attributes = attributes;
    nodes_.erase(name);  // the new spelling of the name replaces the old one
    nodes_[name] = node;
    return *node;
}

Node& FakePlatform::AddLink(const std::u16string& path, const std::u16string& target, bool toFolder) {
    Node& node = AddFile(path);
    node.isLink = true;
    node.isDirectory = toFolder;
    node.linkTarget = target;
    node.reparseTag = toFolder ? kIoReparseTagMountPoint : kIoReparseTagSymlink;
    return node;
}

Node& FakePlatform::AddUnixLink(const std::u16string& path, const std::u16string& target) {
    Node& node = AddLink(path, target);
    node.reparseTag = 0;
    node.unixLink = true;
    return node;
}

const Node& FakePlatform::Shown(const Node& node) {
    if (!node.unixLink) return node;
    const auto it = nodes_.find(Resolve(node.linkTarget));
    return it == nodes_.end() ? node : *it->second;
}

Node& FakePlatform::AddReparsePoint(const std::u16string& path, uint32_t tag, Bytes bytes) {
    Node& node = AddFile(path, std::move(bytes));
    node.reparseTag = tag;
    return node;
}

Node& FakePlatform::AddHardLink(const std::u16string& path, const std::u16string& existing) {
    const auto node = nodes_.at(Resolve(existing));
    nodes_[Resolve(path)] = node;
    return *node;
}

void FakePlatform::EraseNode(const std::u16string& openedName, const std::shared_ptr<Node>& node) {
    if (const auto it = nodes_.find(openedName); it != nodes_.end() && it->second == node) {
        nodes_.erase(it);
        return;
    }
    const auto it = std::find_if(nodes_.begin(), nodes_.end(), [&](const auto& entry) { return entry.second == node; });
    if (it != nodes_.end()) nodes_.erase(it);
}

Node* FakePlatform::Find(const std::u16string& path) {
    const auto it = nodes_.find(Resolve(path));
    return it == nodes_.end() ? nullptr : it->second.get();
}

void FakePlatform::Remove(const std::u16string& path) { nodes_.erase(Resolve(path)); }

std::vector<std::u16string> FakePlatform::Paths() const {
    std::vector<std::u16string> paths;
    for (const auto& [name, node] : nodes_) paths.push_back(name);
    return paths;
}

std::vector<std::u16string> FakePlatform::FilesIn(const std::u16string& folder) {
    const std::u16string wanted = FoldCase(Resolve(folder));
    std::vector<std::u16string> files;
    for (const auto& [name, node] : nodes_)
        if (!node->isDirectory && FoldCase(ParentOf(name)) == wanted) files.push_back(name);
    return files;
}

std::vector<Call> FakePlatform::CallsTo(std::string_view function) const {
    std::vector<Call> matching;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(matching),
                 [&](const Call& call) { return call.function == function; });
    return matching;
}

std::u16string FakePlatform::Resolve(const std::u16string& path) {
    std::u16string name = FullPathName(path);
    if (name.size() > 2 && name.back() == u'\\') name.pop_back();
    return name;
}

uint32_t FakePlatform::ParentError(const std::u16string& fullName) const {
    const std::u16string parent = ParentOf(fullName);
    if (IsRoot(parent)) return kErrorSuccess;
    const auto it = nodes_.find(parent);
    return it != nodes_.end() && it->second->isDirectory ? kErrorSuccess : kErrorPathNotFound;
}

// --- platform::Platform ------------------------------------------------------------------------

platform::String FakePlatform::LowerCase(const platform::String& text) {
    std::u16string lower = text;
    for (char16_t& c : lower)
        if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c = static_cast<char16_t>(c + 0x20);
    return lower;
}

platform::String FakePlatform::FullPathName(const platform::String& path) {
    if (path.empty()) return path;
    std::u16string full;
    if (path.starts_with(u"\\\\"))
        full = path;
    else if (path.size() >= 2 && path[1] == u':')
        full = path.size() >= 3 && path[2] == u'\\' ? path : path.substr(0, 2) + u"\\" + path.substr(2);
    else if (path[0] == u'\\')
        full = currentFolder.substr(0, 2) + path;
    else
        full = currentFolder + path;
    // Runs of backslashes after the start count as one.
    std::u16string collapsed = full.substr(0, 2);
    for (size_t i = 2; i < full.size(); ++i)
        if (!(full[i] == u'\\' && collapsed.back() == u'\\')) collapsed += full[i];
    return collapsed;
}

platform::String FakePlatform::ErrorText(uint32_t code) {
    const auto it = errorTexts.find(code);
    if (it != errorTexts.end()) return it->second;
    std::u16string number;
    for (const char c : std::to_string(code)) number += static_cast<char16_t>(c);
    return u"Fehler " + number + u".\r\n";
}

std::unique_ptr<platform::RegistryKey> FakePlatform::OpenLocalMachineKey(const platform::String& path,
                                                                         uint32_t access) {
    calls.push_back({"OpenLocalMachineKey", path, {access}, {}});
    const auto it = registry.find(path);
    if (it == registry.end()) return nullptr;
    return std::make_unique<FakeKey>(it->second, openKeys);
}

uint32_t FakePlatform::FileAttributes(const platform::String& path, uint32_t* error) {
    calls.push_back({"FileAttributes", path, {}, {}});
    const std::u16string name = Resolve(path);
    const auto injected = attributeErrors.find(name);
    const auto it = nodes_.find(name);
    if (injected != attributeErrors.end() || it == nodes_.end()) {
        *error = injected != attributeErrors.end() ? injected->second
                 : ParentError(name) != kErrorSuccess ? kErrorPathNotFound
                                                      : kErrorFileNotFound;
        return kInvalidFileAttributes;
    }
    return ReportedAttributes(Shown(*it->second));
}

std::optional<uint32_t> FakePlatform::FindFirstFileAttributes(const platform::String& path) {
    calls.push_back({"FindFirstFile", path, {}, {}});
    const auto it = nodes_.find(Resolve(path));
    if (it == nodes_.end()) return std::nullopt;
    return ReportedAttributes(Shown(*it->second));
}

bool FakePlatform::SetAttributes(const platform::String& path, uint32_t attributes) {
    calls.push_back({"SetAttributes", path, {attributes}, {}});
    Node* node = Find(path);
    if (node == nullptr) return false;
    node->attributes = attributes & ~(kFileAttributeDirectory | kFileAttributeReparsePoint);
    return true;
}

std::unique_ptr<platform::File> FakePlatform::OpenFile(const platform::String& path, uint32_t access, uint32_t share,
                                                       uint32_t disposition, uint32_t flagsAndAttributes,
                                                       uint32_t* error) {
    calls.push_back({"OpenFile", path, {access, share, disposition, flagsAndAttributes}, {}});
    if (beforeOpen) beforeOpen(path);
    const auto fail = [&](uint32_t code) -> std::unique_ptr<platform::File> {
        *error = code;
        return nullptr;
    };

    std::u16string name = Resolve(path);
    if (const auto injected = openErrors.find(name); injected != openErrors.end()) return fail(injected->second);
    auto it = nodes_.find(name);
    if (disposition == kCreateNew && it != nodes_.end()) return fail(kErrorFileExists);
    if (it != nodes_.end() && it->second->isLink &&
        ((flagsAndAttributes & kFileFlagOpenReparsePoint) == 0 || it->second->unixLink)) {
        if (it->second->linkTarget.empty()) return fail(kErrorFileNotFound);
        name = Resolve(it->second->linkTarget);
        it = nodes_.find(name);
    }

    const bool writes = (access & kGenericWrite) != 0;
    std::shared_ptr<Node> node;
    if (it == nodes_.end()) {
        if (const uint32_t parentError = ParentError(name)) return fail(parentError);
        if (disposition == kOpenExisting) return fail(kErrorFileNotFound);
        node = std::make_shared<Node>();
        node->attributes = CreatedAttributes(flagsAndAttributes);
        node->security = createdSecurity;
        nodes_[name] = node;
    } else {
        node = it->second;
        if (node->isDirectory) return fail(kErrorAccessDenied);
        if (writes && (node->attributes & kFileAttributeReadonly)) return fail(kErrorAccessDenied);
        if (disposition == kCreateAlways) {
            // An existing hidden or system file is only replaced by one asking for the same.
            const uint32_t hiddenSystem = node->attributes & (kFileAttributeHidden | kFileAttributeSystem);
            if ((hiddenSystem & ~flagsAndAttributes) != 0) return fail(kErrorAccessDenied);
            node->bytes.clear();
            if (!node->isLink) node->attributes = CreatedAttributes(flagsAndAttributes);
        }
    }
    const auto faults = fileFaults.find(name);
    return std::make_unique<FakeFile>(node, faults != fileFaults.end() ? faults->second : otherFileFaults, access,
                                      share, [this, name](const std::shared_ptr<Node>& n) { EraseNode(name, n); });
}

bool FakePlatform::MoveReplacing(const platform::String& from, const platform::String& to, uint32_t* error) {
    calls.push_back({"MoveReplacing", from, {}, to});
    const auto fail = [&](uint32_t code) {
        *error = code;
        return false;
    };
    if (moveError) return fail(*moveError);
    const std::u16string fromName = Resolve(from);
    const std::u16string toName = Resolve(to);
    const auto source = nodes_.find(fromName);
    if (source == nodes_.end()) return fail(kErrorFileNotFound);
    if (const uint32_t parentError = ParentError(toName)) return fail(parentError);
    if (source->second->handlesDenyingDelete > 0) return fail(kErrorSharingViolation);
    if (FoldCase(fromName) == FoldCase(toName)) return true;
    if (const auto target = nodes_.find(toName); target != nodes_.end()) {
        if (target->second->isDirectory || (target->second->attributes & kFileAttributeReadonly))
            return fail(kErrorAccessDenied);
        if (target->second->openHandles > 0) return fail(kErrorSharingViolation);
        nodes_.erase(target);
    }
    const auto node = source->second;
    ++node->renames;
    nodes_.erase(source);
    nodes_[toName] = node;
    return true;
}

std::vector<platform::FoundEntry> FakePlatform::FindEntries(const platform::String& pattern) {
    calls.push_back({"FindEntries", pattern, {}, {}});
    const std::u16string full = Resolve(pattern);
    const std::u16string folder = FoldCase(ParentOf(full));
    const std::u16string namePattern = full.substr(full.rfind(u'\\') + 1);
    std::vector<platform::FoundEntry> entries;
    for (const auto& [name, node] : nodes_) {
        const std::u16string last = name.substr(name.rfind(u'\\') + 1);
        if (FoldCase(ParentOf(name)) == folder && MatchesPattern(last, namePattern))
            entries.push_back({last, ReportedAttributes(Shown(*node)), Shown(*node).reparseTag});
    }
    return entries;
}

std::optional<std::span<const uint8_t>> FakePlatform::FindItem(const platform::String& type,
                                                               const platform::String& name) {
    const auto it = items.find({type, name});
    if (it == items.end()) return std::nullopt;
    return std::span<const uint8_t>(it->second);
}

uint64_t FakePlatform::AddFontMemResource(const void* data, uint32_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    registeredFonts.emplace_back(bytes, bytes + size);
    const size_t index = registeredFonts.size() - 1;
    return index < fontResults.size() ? fontResults[index] : 1;
}

std::unique_ptr<platform::ProcessSnapshot> FakePlatform::SnapshotProcesses() {
    if (!processListAvailable) return nullptr;
    return std::make_unique<FakeSnapshot>(processes, walkEntrySizes);
}

}  // namespace fake
