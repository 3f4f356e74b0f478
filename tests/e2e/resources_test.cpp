// The data items that the built executable carries, read the way the system's loader sees them.
#include <algorithm>
#include <iterator>
#include <map>

#include "Harness.h"

namespace e2e {
namespace {

std::wstring ResourceId(LPCWSTR id) {
  return IS_INTRESOURCE(id) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(id)) : std::wstring(id);
}

struct Item {
  std::wstring type;
  std::wstring name;
  WORD language;
  auto operator<=>(const Item&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Item& item) {
  return out << testing::PrintToString(item.type) << "/" << testing::PrintToString(item.name) << "/"
             << item.language;
}

class ResourceTable : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ToolExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(module_) << "cannot load the tool as data, error " << GetLastError();
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }

  std::vector<Item> Enumerate() const {
    std::vector<Item> items;
    struct Walk {
      std::vector<Item>* items;
      std::wstring type;
      std::wstring name;
    } walk{&items, {}, {}};
    EnumResourceTypesW(
        module_,
        [](HMODULE module, LPWSTR type, LONG_PTR context) -> BOOL {
          auto* walk = reinterpret_cast<Walk*>(context);
          walk->type = ResourceId(type);
          EnumResourceNamesW(
              module, type,
              [](HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context) -> BOOL {
                auto* walk = reinterpret_cast<Walk*>(context);
                walk->name = ResourceId(name);
                EnumResourceLanguagesW(
                    module, type, name,
                    [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR context) -> BOOL {
                      auto* walk = reinterpret_cast<Walk*>(context);
                      walk->items->push_back({walk->type, walk->name, language});
                      return TRUE;
                    },
                    context);
                return TRUE;
              },
              context);
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&walk));
    std::sort(items.begin(), items.end());
    return items;
  }

  Bytes Data(LPCWSTR type, LPCWSTR name, WORD language) const {
    HRSRC found = FindResourceExW(module_, type, name, language);
    if (!found) return {};
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module_, found)));
    return data ? Bytes(data, data + SizeofResource(module_, found)) : Bytes{};
  }

  HMODULE module_ = nullptr;
};

constexpr WORD kGerman = 1031;
constexpr WORD kEnglishUs = 1033;
constexpr WORD kNeutral = 0;

TEST_F(ResourceTable, HoldsExactlyTheItemsOfTheTool) {
  std::vector<Item> expected = {
      {L"RT_RCDATA", L"DEUTSCH", kGerman}, {L"RT_RCDATA", L"ENGLISCH", kGerman}, {L"AV", L"TTF", kGerman},
      {L"STONE", L"TTF", kGerman},         {L"#10", L"TMAIN", 0},              {L"#14", L"MAINICON", kEnglishUs},
      {L"#24", L"#1", kNeutral},           {L"#16", L"#1", kEnglishUs},
  };
  for (int icon = 1; icon <= 5; ++icon) expected.push_back({L"#3", L"#" + std::to_wstring(icon), kEnglishUs});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Enumerate(), expected);
}

TEST_F(ResourceTable, LanguageFilesEqualRepositoryFiles) {
  const Bytes german = Data(L"RT_RCDATA", L"DEUTSCH", kGerman);
  const Bytes english = Data(L"RT_RCDATA", L"ENGLISCH", kGerman);
  EXPECT_EQ(german.size(), kGermanFileBytes);
  EXPECT_EQ(english.size(), kEnglishFileBytes);
  EXPECT_TRUE(german == GermanLanguageFile()) << "the German item differs from resources/deutsch.eng";
  EXPECT_TRUE(english == EnglishLanguageFile()) << "the English item differs from resources/englisch.eng";

  // Detection rests on this: the German text starts in the sampled part, the English has none.
  const std::string_view marker = "Datei";
  EXPECT_EQ(std::search(german.begin(), german.end(), marker.begin(), marker.end()) - german.begin(), 8028);
  EXPECT_EQ(std::search(english.begin(), english.end(), marker.begin(), marker.end()), english.end());
}

TEST_F(ResourceTable, IconImagesHaveTheirSizes) {
  const std::map<int, std::size_t> sizes = {{2, 9640}, {3, 4264}, {4, 2440}, {5, 1128}};
  for (const auto& [id, size] : sizes) {
    SCOPED_TRACE(testing::Message() << "icon " << id);
    EXPECT_EQ(Data(MAKEINTRESOURCEW(3), MAKEINTRESOURCEW(id), kEnglishUs).size(), size);
  }
}

// The one manifest as the system's activation context reads it from the executable.
TEST(Manifest, AsksForAdministratorAndDeclaresPerMonitorAwareness) {
  const std::wstring exe = ToolExe();
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = exe.c_str();
  request.lpResourceName = MAKEINTRESOURCEW(1);
  SetLastError(0xdeadbeef);
  HANDLE context = CreateActCtxW(&request);
  ASSERT_NE(context, INVALID_HANDLE_VALUE) << "no manifest 1 in " << Narrow(exe) << ", error " << GetLastError();

  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level{};
  SIZE_T size = 0;
  ASSERT_TRUE(QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &level, sizeof level, &size))
      << GetLastError();
  EXPECT_EQ(level.RunLevel, ACTCTX_RUN_LEVEL_REQUIRE_ADMIN);
  EXPECT_EQ(level.UiAccess, 0u);

  // Each element counts only in its own namespace.
  const struct {
    const wchar_t* ns;
    const wchar_t* name;
    const wchar_t* value;
  } settings[] = {
      {L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware", L"true/pm"},
      {L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness", L"PerMonitorV2, PerMonitor"},
  };
  for (const auto& setting : settings) {
    SCOPED_TRACE(Narrow(setting.name));
    wchar_t value[64];
    std::fill(std::begin(value), std::end(value), L'#');
    SIZE_T written = 0;
    SetLastError(0xdeadbeef);
    EXPECT_TRUE(QueryActCtxSettingsW(0, context, setting.ns, setting.name, value, std::size(value), &written))
        << GetLastError();
    EXPECT_STREQ(value, setting.value);
  }

  // The Common-Controls 6 dependency is what redirects comctl32.dll to that version.
  ULONG_PTR cookie = 0;
  ASSERT_TRUE(ActivateActCtx(context, &cookie)) << GetLastError();
  ACTCTX_SECTION_KEYED_DATA found{};
  found.cbSize = sizeof found;
  EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll", &found))
      << "comctl32.dll is not redirected: no Common-Controls dependency, error " << GetLastError();
  DeactivateActCtx(0, cookie);
  ReleaseActCtx(context);
}

}  // namespace
}  // namespace e2e
