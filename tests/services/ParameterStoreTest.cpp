// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>

#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/FxRegistry.h"
#include "tarvelo/services/WindowsErrors.h"

using namespace tarvelo::services;
using namespace tarvelo::services::testing;
namespace winerror = tarvelo::winerror;

namespace {

constexpr const char* kParams = CSysHub::kParamsKey;

}  // namespace

// On a fresh account every read gives the fallback and leaves one record per failure.
TEST(ParameterStore, missingValuesReadAsZeroOrDefaultAndAreLogged)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    EXPECT_EQ(hub.GetDwordParams("", "DivType"), 0u);
    EXPECT_EQ(hub.GetStringParams(kParams, "SymScl", "", false), "");
    EXPECT_EQ(hub.GetStringParams(kParams, "SymScl", "1.0", false), "1.0");
    EXPECT_EQ(loggedErrors(environment),
              (std::vector<std::string>{" Error in CSysHub: GetDwordParams 67 2",
                                        " Error in CSysHub: GetStringParams 44 2",
                                        " Error in CSysHub: GetStringParams 44 2"}));
    EXPECT_TRUE(environment.recorder.shown.empty());
}

// Asking whether a value is stored tells a stored 0 from an absent value, and an absent one is no failure.
TEST(ParameterStore, storedValuesAreToldFromAbsentOnes)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    EXPECT_FALSE(hub.IsParamStored("", "Roundz"));
    hub.SetDwordParam("", "Roundz", 0);
    EXPECT_TRUE(hub.IsParamStored("", "Roundz"));
    EXPECT_TRUE(hub.IsParamStored(kParams, "Roundz"));
    EXPECT_FALSE(hub.IsParamStored("", "RoundzLevel"));
    EXPECT_TRUE(loggedErrors(environment).empty());
}

// Numbers and texts written are read back unchanged; the first write creates the store.
TEST(ParameterStore, valuesRoundTripThroughTheStore)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    hub.SetDwordParam("", "LevelDefaultType", 302);
    hub.SetStringParams("", "SymScl", "100.000000", false);
    const std::string cyrillic = cp1251("Разрез А-А");
    hub.SetStringParams(kParams, "Note", cyrillic, false);

    EXPECT_EQ(hub.GetDwordParams(kParams, "LevelDefaultType"), 302u);
    EXPECT_EQ(hub.GetStringParams(kParams, "SymScl", "", false), "100.000000");
    EXPECT_EQ(hub.GetStringParams(kParams, "Note", "", false), cyrillic);
    EXPECT_FALSE(std::filesystem::exists(environment.logFile()));

    // Numbers are stored as 4-byte numbers, texts as texts written without a terminating zero
    // (the registry's own text read may add one).
    StoredValue raw;
    ASSERT_EQ(environment.store().readValue(false, kParams, "LevelDefaultType", raw), 0u);
    EXPECT_EQ(raw.type, 4u);
    EXPECT_EQ(raw.data, std::string("\x2E\x01\0\0", 4));
    ASSERT_EQ(environment.store().readValue(false, kParams, "SymScl", raw), 0u);
    EXPECT_EQ(raw.type, 1u);
    EXPECT_TRUE(raw.data == "100.000000" || raw.data == std::string("100.000000\0", 11)) << raw.data.size();
}

// Only the number operations and SetStringParams default the key path; only SetDwordParam ignores an empty name.
TEST(ParameterStore, keyPathAndNameAsymmetries)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    hub.SetStringParams("", "SymScl", "2.5", false);
    EXPECT_EQ(hub.GetStringParams("", "SymScl", "fallback", false), "fallback");
    EXPECT_EQ(hub.GetStringParams(kParams, "SymScl", "fallback", false), "2.5");

    hub.SetDwordParam(kParams, "", 7);
    StoredValue raw;
    EXPECT_EQ(environment.store().readValue(false, kParams, "", raw), winerror::kFileNotFound);
    EXPECT_EQ(loggedErrors(environment), std::vector<std::string>{" Error in CSysHub: GetStringParams 44 2"});

    hub.SetStringParams(kParams, "", "unnamed", false);
    EXPECT_EQ(hub.GetStringParams(kParams, "", "", false), "unnamed");
}

// Key paths match without case and without regard to trailing backslashes; the hives are apart.
TEST(ParameterStore, keyPathsCompareLikeTheRegistry)
{
    TestEnvironment environment;
    FxRegistry registry(environment.store());
    ASSERT_EQ(registry.SetValueDword("Software\\Orvane Software\\KLD\\Params\\", "Roundz", 3, false), 0u);
    std::uint32_t value = 0;
    EXPECT_EQ(registry.GetValueDword("software\\orvane software\\kld\\params", "ROUNDZ", value, false), 0u);
    EXPECT_EQ(value, 3u);
    EXPECT_EQ(registry.GetValueDword("Software\\Orvane Software\\KLD\\Params\\", "Roundz", value, true),
              winerror::kFileNotFound);
}

// A text read as a number fills the low bytes when it fits and fails with 234 when longer.
TEST(ParameterStore, textReadAsNumberHasNoTypeCheck)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    hub.SetStringParams(kParams, "Short", "abc", false);
    hub.SetStringParams(kParams, "Long", "100.000000", false);
    EXPECT_EQ(hub.GetDwordParams(kParams, "Short"), 0x00636261u);
    EXPECT_EQ(hub.GetDwordParams(kParams, "Long"), 0u);
    EXPECT_EQ(loggedErrors(environment), std::vector<std::string>{" Error in CSysHub: GetDwordParams 67 234"});

    FxRegistry registry(environment.store());
    std::uint32_t untouched = 0xDEADBEEF;
    EXPECT_EQ(registry.GetValueDword(kParams, "Long", untouched, false), winerror::kMoreData);
    EXPECT_EQ(untouched, 0xDEADBEEFu);
}

// A number read as a text stops at its first zero byte and never runs past the stored size.
TEST(ParameterStore, numberReadAsTextStopsAtZeroByte)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    hub.SetDwordParam(kParams, "Letter", 0x00004241);  // "AB", then zeros
    hub.SetDwordParam(kParams, "Full", 0x44434241);    // "ABCD", no zero at all
    EXPECT_EQ(hub.GetStringParams(kParams, "Letter", "", false), "AB");
    EXPECT_EQ(hub.GetStringParams(kParams, "Full", "", false), "ABCD");
}

// Library paths: missing and empty values are refused and logged with the read's status.
TEST(ParameterStore, modulePathNeedsANonEmptyValue)
{
    TestEnvironment environment;
    CSysHub hub(environment);
    std::string path;
    EXPECT_FALSE(hub.ModulePath("DHOSTSP", path));
    hub.SetStringParams(CSysHub::kModulesKey, "CFGKIT.DLL", "", false);
    EXPECT_FALSE(hub.ModulePath("CFGKIT.DLL", path));
    hub.SetStringParams(CSysHub::kModulesKey, "DHOSTSP", "/opt/lib/libdhostsp.so", false);
    EXPECT_TRUE(hub.ModulePath("DHOSTSP", path));
    EXPECT_EQ(path, "/opt/lib/libdhostsp.so");
    EXPECT_EQ(loggedErrors(environment),
              (std::vector<std::string>{" Error in CSysHub: ModulePath: GetValueString 2",
                                        " Error in CSysHub: ModulePath: GetValueString 0"}));
}

// Without a documents folder failures are neither logged nor shown, and the dialogs go on.
TEST(ParameterStore, noDocumentsFolderMeansSilentFailures)
{
    TestEnvironment environment;
    std::filesystem::remove_all(environment.documents());
    CSysHub hub(environment);
    EXPECT_EQ(hub.GetDwordParams("", "DivType"), 0u);
    EXPECT_FALSE(std::filesystem::exists(environment.documents()));
    EXPECT_TRUE(environment.recorder.shown.empty());
}

namespace {

// What a failing store throws: a standard exception, or anything else a library might raise.
struct ForeignFailure {};
enum class Raised { StandardException, ForeignObject };

// A store that fails by throwing, after the system reported access denied.
class ThrowingStore final : public IRegistryBackend {
public:
    explicit ThrowingStore(Raised raised) : m_raised(raised)
    {
#ifdef _WIN32
        // The first exception of a process makes the runtime reset the thread's error number: have it here.
        try {
            throw std::runtime_error("first");
        } catch (const std::runtime_error&) {
        }
#endif
    }

    std::uint32_t readValue(bool, const std::string&, const std::string&, StoredValue&) override { fail(); }
    std::uint32_t writeValue(bool, const std::string&, const std::string&, std::uint32_t, std::string_view) override
    {
        fail();
    }

private:
    [[noreturn]] void fail() const
    {
#ifdef _WIN32
        SetLastError(ERROR_ACCESS_DENIED);
#else
        errno = EACCES;
#endif
        if (m_raised == Raised::ForeignObject)
            throw ForeignFailure{};
        throw std::runtime_error("store failed");
    }

    Raised m_raised;
};

class ThrowingEnvironment final : public IServiceEnvironment {
public:
    explicit ThrowingEnvironment(Raised raised) : m_store(raised) {}

    IRegistryBackend& store() override { return m_store; }
    IMessageService& messages() override { return m_files.messages(); }
    std::optional<std::filesystem::path> documentsFolder() override { return m_files.documentsFolder(); }
    std::tm localTime() override { return m_files.localTime(); }

    TestEnvironment m_files;

private:
    ThrowingStore m_store;
};

}  // namespace

// A failure raised inside an operation, of whatever type, is logged under the bare operation name
// with the system's error number, and the caller gets the fallback.
TEST(ParameterStore, raisedFailuresAreLoggedAndSwallowed)
{
    for (const Raised raised : {Raised::StandardException, Raised::ForeignObject}) {
        SCOPED_TRACE(raised == Raised::StandardException ? "standard exception" : "foreign object");
        ThrowingEnvironment environment(raised);
        CSysHub hub(environment);
        std::string path = "unchanged";
        EXPECT_NO_THROW({
            EXPECT_EQ(hub.GetDwordParams("", "Roundz"), 0u);
            EXPECT_EQ(hub.GetStringParams(kParams, "SymScl", "1", false), "1");
            hub.SetDwordParam("", "Roundz", 1);
            hub.SetStringParams("", "SymScl", "1", false);
            EXPECT_FALSE(hub.ModulePath("DHOSTSP", path));
        });
        EXPECT_EQ(loggedErrors(environment.m_files),
                  (std::vector<std::string>{" Error in CSysHub: GetDwordParams 5",
                                            " Error in CSysHub: GetStringParams 5",
                                            " Error in CSysHub: SetDwordParam 5",
                                            " Error in CSysHub: SetStringParams 5",
                                            " Error in CSysHub: ModulePath 5"}));
    }
}
