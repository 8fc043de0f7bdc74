// The wave reader on files the tests write: which files it takes, what it reads from them, and
// that every failed open leaves nothing behind.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sound/wave_reader.h"
#include "support/temporary_folder.h"
#include "wave_bytes.h"

namespace {

class WaveReaderTest : public ::testing::Test {
protected:
    // Writes the file as Data/test.wav and opens it by the game's spelling of the path.
    HResult open(WaveReader& reader, const std::string& bytes) {
        folder_.write("Data/test.wav", bytes);
        return reader.open("Data\\test.wav");
    }

    // Everything from the first data byte on, in one read.
    static std::string readAll(WaveReader& reader) {
        std::vector<std::uint8_t> bytes(reader.dataSize() + 16);
        std::uint32_t got = 0;
        EXPECT_EQ(reader.rewind(), S_OK);
        EXPECT_EQ(reader.read(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &got), S_OK);
        return std::string(bytes.begin(), bytes.begin() + got);
    }

    TemporaryFolder folder_;
    WorkingDirectory directory_{folder_.path()};
};

TEST_F(WaveReaderTest, ReadsEightAndSixteenBitFormatsAndTheirData) {
    struct Case {
        std::uint16_t channels;
        std::uint32_t rate;
        std::uint16_t bits;
        std::uint16_t blockAlign;
        std::uint32_t bytesPerSecond;
    };
    for (const Case& c :
         {Case{1, 11025, 8, 1, 11025}, Case{2, 22050, 16, 4, 88200}, Case{2, 44100, 8, 2, 88200}}) {
        SCOPED_TRACE(c.bits);
        const std::string data = wave::samples(1000, static_cast<std::uint8_t>(c.bits));
        WaveReader reader;
        ASSERT_EQ(open(reader, wave::file(c.channels, c.rate, c.bits, data)), S_OK);
        ASSERT_NE(reader.format, nullptr);
        EXPECT_EQ(reader.format->formatTag, 1);
        EXPECT_EQ(reader.format->channels, c.channels);
        EXPECT_EQ(reader.format->samplesPerSecond, c.rate);
        EXPECT_EQ(reader.format->averageBytesPerSecond, c.bytesPerSecond);
        EXPECT_EQ(reader.format->blockAlign, c.blockAlign);
        EXPECT_EQ(reader.format->bitsPerSample, c.bits);
        EXPECT_EQ(reader.format->extraSize, 0);
        EXPECT_EQ(reader.dataSize(), 1000u);
        EXPECT_EQ(readAll(reader), data);
    }
}

TEST_F(WaveReaderTest, FindsChunksInAnyOrderPastOthersAndPadBytes) {
    const std::string data = wave::samples(301);
    const std::string fmt = wave::pcmFormat(1, 22050, 16);
    struct Case {
        const char* name;
        std::string chunks;
    };
    const Case cases[] = {
        {"data before fmt", wave::chunk("data", data) + wave::chunk("fmt ", fmt)},
        {"odd chunks between", wave::chunk("fmt ", fmt + "x") + wave::chunk("LIST", "INFOabc") +
                                   wave::chunk("junk", "12345") + wave::chunk("data", data)},
        {"18-byte PCM fmt with an extra size",
         wave::chunk("fmt ", fmt + wave::le16(7)) + wave::chunk("data", data)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WaveReader reader;
        ASSERT_EQ(open(reader, wave::riff("WAVE", c.chunks)), S_OK);
        // Plain PCM never keeps extra bytes, whatever its chunk holds.
        EXPECT_EQ(reader.format->extraSize, 0);
        EXPECT_EQ(reader.format->bitsPerSample, 16);
        EXPECT_EQ(reader.dataSize(), 301u);
        EXPECT_EQ(readAll(reader), data);
    }
}

TEST_F(WaveReaderTest, KeepsTheExtraBytesOfOtherFormats) {
    WaveReader reader;
    const std::string fmt = wave::formatFields(2, 1, 22050, 4) + wave::le16(4) + "abcd";
    ASSERT_EQ(open(reader, wave::riff("WAVE", wave::chunk("fmt ", fmt) +
                                                  wave::chunk("data", wave::samples(64)))),
              S_OK);
    EXPECT_EQ(reader.format->formatTag, 2);
    EXPECT_EQ(reader.format->extraSize, 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(reader.extraFormatBytes()), 4), "abcd");

    // A 16-byte body of another format takes its extra size and bytes from what follows it
    // (here the next chunk's identifier), and the next chunk is still found.
    WaveReader bare;
    ASSERT_EQ(
        open(bare, wave::riff("WAVE", wave::chunk("fmt ", wave::formatFields(3, 1, 8000, 16)) +
                                          wave::chunk(std::string("\x02\0xy", 4), "") +
                                          wave::chunk("data", wave::samples(64)))),
        S_OK);
    EXPECT_EQ(bare.format->extraSize, 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bare.extraFormatBytes()), 2), "xy");
    EXPECT_EQ(bare.dataSize(), 64u);
}

TEST_F(WaveReaderTest, RefusesMalformedFilesAndLeavesNothingBehind) {
    const std::string fmt = wave::chunk("fmt ", wave::pcmFormat(1, 22050, 16));
    const std::string data = wave::chunk("data", wave::samples(40));
    const std::string good = wave::riff("WAVE", fmt + data);
    struct Case {
        const char* name;
        std::string bytes;
        bool keepsFormat; // the header was fine, only the data is missing
    };
    const Case cases[] = {
        {"empty file", "", false},
        {"not RIFF", "RIFX" + good.substr(4), false},
        {"form not WAVE", wave::riff("AVI ", fmt + data), false},
        {"header cut short", good.substr(0, 10), false},
        {"no fmt", wave::riff("WAVE", data), false},
        {"fmt under 16 bytes",
         wave::riff("WAVE", wave::chunk("fmt ", std::string(14, '\1')) + data), false},
        {"file ends inside fmt", good.substr(0, 12 + 8 + 10), false},
        {"extra bytes cut short",
         wave::riff("WAVE", wave::chunk("fmt ", wave::formatFields(2, 1, 8000, 4) +
                                                    wave::le16(400) + "ab")),
         false},
        {"no data", wave::riff("WAVE", fmt + wave::chunk("junk", "abcd")), true},
        {"data outside the form",
         "RIFF" + wave::le32(4 + static_cast<std::uint32_t>(fmt.size())) + "WAVE" + fmt + data,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* reader = new WaveReader;
        EXPECT_EQ(open(*reader, c.bytes), E_FAIL);
        EXPECT_EQ(reader->dataSize(), 0u);
        EXPECT_EQ(reader->format != nullptr, c.keepsFormat);
        EXPECT_EQ(reader->stream.isOpen(), c.keepsFormat);
        // Reading a reader that found no data gives nothing, and no harm.
        std::uint8_t byte = 0;
        std::uint32_t got = 99;
        const HResult read = reader->read(&byte, 1, &got);
        EXPECT_EQ(read, c.keepsFormat ? S_OK : CO_E_NOTINITIALIZED);
        EXPECT_EQ(got, c.keepsFormat ? 0u : 99u);
        delete reader; // the sanitizer sees every stream and record freed exactly once
    }
}

TEST_F(WaveReaderTest, OpeningAgainForgetsTheFileBeforeAndEmptyDataOpens) {
    WaveReader reader;
    ASSERT_EQ(open(reader, wave::file(1, 22050, 16, wave::samples(80))), S_OK);
    EXPECT_EQ(reader.open("Data\\missing.wav"), E_FAIL);
    EXPECT_EQ(reader.dataSize(), 0u);
    EXPECT_EQ(reader.format, nullptr);
    EXPECT_EQ(reader.open(nullptr), E_INVALIDARG);

    // An empty data chunk opens, with nothing to read.
    ASSERT_EQ(open(reader, wave::file(1, 22050, 8, "")), S_OK);
    EXPECT_EQ(reader.dataSize(), 0u);
    EXPECT_EQ(readAll(reader), "");
}

TEST_F(WaveReaderTest, ReadsPastTheEndThenRewindsToTheStart) {
    const std::string data = wave::samples(100);
    WaveReader reader;
    ASSERT_EQ(open(reader, wave::file(1, 22050, 8, data)), S_OK);
    std::uint8_t bytes[100] = {};
    std::uint32_t got = 0;
    ASSERT_EQ(reader.read(bytes, 60, &got), S_OK);
    EXPECT_EQ(got, 60u);
    ASSERT_EQ(reader.read(bytes + 60, 60, &got), S_OK);
    EXPECT_EQ(got, 40u);
    EXPECT_EQ(std::string(bytes, bytes + 100), data);
    ASSERT_EQ(reader.read(bytes, 60, &got), S_OK);
    EXPECT_EQ(got, 0u);
    ASSERT_EQ(reader.read(bytes, 0, &got), S_OK);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(readAll(reader), data);
}

TEST_F(WaveReaderTest, DataCutShortFailsTheReadWithWhatCameKept) {
    const std::string full = wave::file(1, 22050, 8, wave::samples(1000));
    const std::string cut = full.substr(0, full.size() - 400);
    WaveReader reader;
    ASSERT_EQ(open(reader, cut), S_OK);
    EXPECT_EQ(reader.dataSize(), 1000u);
    std::vector<std::uint8_t> bytes(1000, 0);
    std::uint32_t got = 77;
    EXPECT_EQ(reader.read(bytes.data(), 1000, &got), E_FAIL);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 600), wave::samples(600));
}

// Data much larger than the stream's buffer, read in pieces that straddle its refills, from a
// file and from memory.
TEST_F(WaveReaderTest, LargeDataReadsTheSameInAnyPieces) {
    const std::string data = wave::samples(50001, 3);
    const std::string bytes =
        wave::riff("WAVE", wave::chunk("fmt ", wave::pcmFormat(1, 22050, 8)) +
                               wave::chunk("pad ", "12345") + wave::chunk("data", data));
    WaveReader fromFile;
    ASSERT_EQ(open(fromFile, bytes), S_OK);
    WaveReader fromMemory;
    ASSERT_EQ(fromMemory.openMemory(bytes.data(), bytes.size()), S_OK);
    for (WaveReader* reader : {&fromFile, &fromMemory}) {
        EXPECT_EQ(readAll(*reader), data);
        ASSERT_EQ(reader->rewind(), S_OK);
        std::string pieces;
        for (std::uint32_t size : {1u, 1000u, 8191u, 8192u, 8193u, 3u, 40000u}) {
            std::vector<std::uint8_t> piece(size);
            std::uint32_t got = 0;
            ASSERT_EQ(reader->read(piece.data(), size, &got), S_OK);
            pieces.append(piece.begin(), piece.begin() + got);
        }
        EXPECT_EQ(pieces, data);
    }
}

} // namespace
