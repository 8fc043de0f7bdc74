// The best score in the registry: what reading makes of the stored value, a value the game
// cannot read left as it is whatever its type or length, and a write read back whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/store.h"
#include "shell/best_score.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace {

// A key of the test's own under the current user, removed afterwards.
struct RegistryFixture : ::testing::Test {
    RegistryFixture()
        : key("Software\\Brannoch\\KestravanTest-" + std::to_string(GetCurrentProcessId())) {
        platform::setStoreFolder(key);
    }
    ~RegistryFixture() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        platform::setStoreFolder("");
    }

    void put(DWORD type, const std::string& bytes) {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(handle, BestScoreName, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(handle);
    }

    // The value's bytes as the registry holds them.
    std::string stored() const {
        std::vector<BYTE> bytes(1 << 20);
        DWORD size = static_cast<DWORD>(bytes.size());
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != 0) {
            return "no key";
        }
        RegQueryValueExA(handle, BestScoreName, nullptr, nullptr, bytes.data(), &size);
        RegCloseKey(handle);
        return std::string(reinterpret_cast<const char*>(bytes.data()), size);
    }

    std::string key;
};

TEST_F(RegistryFixture, StoredValuesReadAsTheGameExpects) {
    EXPECT_EQ(readBestScore(), 0); // no key yet
    const struct {
        DWORD type;
        std::string bytes;
        std::int32_t score;
    } readings[] = {
        {REG_SZ, std::string("1234", 5), 1234},            // with its zero
        {REG_SZ, "987", 987},                              // written without one
        {REG_SZ, std::string("-77\0", 4), -77},            //
        {REG_SZ, std::string(19, '1') + '\0', 2147483647}, // fills the score buffer
    };
    for (const auto& reading : readings) {
        put(reading.type, reading.bytes);
        EXPECT_EQ(readBestScore(), reading.score)
            << reading.bytes.size() << " bytes of type " << reading.type;
    }
}

TEST_F(RegistryFixture, AValueTheGameCannotReadIsReportedAndNeverWrittenOver) {
    const struct {
        DWORD type;
        std::string bytes;
    } unreadable[] = {
        {REG_SZ, std::string(20, '1') + '\0'}, // one too long for the score buffer
        {REG_SZ, std::string("500") + std::string(17, ' ')},
        {REG_SZ, std::string(100000, '5') + '\0'},       // past what the reader looks at
        {REG_DWORD, std::string("\x10\x00\x00\x00", 4)}, // not text
        {REG_QWORD, std::string(8, '\x01')},
        {REG_BINARY, "42"},
        {REG_EXPAND_SZ, std::string("42", 3)},
        {REG_MULTI_SZ, std::string("42\0\0", 4)},
    };
    for (const auto& value : unreadable) {
        put(value.type, value.bytes);
        const std::string before = stored(); // as the registry keeps it
        platform::StoreFailure failure;
        char text[20];
        std::size_t length = 0;
        EXPECT_EQ(platform::readStoredValue(BestScoreName, text, sizeof text, length, failure),
                  platform::StoredValue::Unreadable)
            << value.bytes.size() << " bytes of type " << value.type;
        EXPECT_NE(failure.place.find(key), std::string::npos) << failure.reason;
        EXPECT_EQ(readBestScore(), 0);
        EXPECT_FALSE(writeBestScore(2000000000));
        EXPECT_EQ(stored(), before) << value.bytes.size() << " bytes of type " << value.type;
    }
}

TEST_F(RegistryFixture, AWriteMakesTheKeyAndReadsBackAsText) {
    ASSERT_TRUE(platform::openStore());
    ASSERT_TRUE(writeBestScore(1500));
    char text[20] = {};
    std::size_t length = 0;
    platform::StoreFailure failure;
    ASSERT_EQ(platform::readStoredValue(BestScoreName, text, sizeof text, length, failure),
              platform::StoredValue::Found);
    EXPECT_EQ(std::string(text, length), "1500");
    ASSERT_TRUE(writeBestScore(900)); // only a higher score takes the stored one's place
    EXPECT_EQ(readBestScore(), 1500);
    ASSERT_TRUE(writeBestScore(2600));
    EXPECT_EQ(readBestScore(), 2600);
}

} // namespace
