// The wave reader on files the tests write: which files it takes, what it reads from them, and
// that every failed open leaves nothing behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/wave_reader.h"
#include "support/temporary_folder.h"
#include "support/wave_bytes.h"

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

// Plain PCM never keeps extra bytes, whatever its "fmt " holds; other formats keep theirs.
TEST_F(WaveReaderTest, OpensEightAndSixteenBitsWithTheChunksInAnyOrder) {
    const std::string data = wave::samples(301);
    const std::string pcm = wave::format(1, 1, 22050, 16);
    const wave::Fields mono16{1, 1, 22050, 44100, 2, 16, 0};
    // A data chunk, in a form, that claims more than the file holds.
    const auto claiming = [&](std::uint32_t size) {
        return "RIFF" + wave::le32(~0u) + "WAVE" + wave::chunk("fmt ", pcm) + "data" +
               wave::le32(size) + data;
    };
    const struct {
        const char* name;
        std::string file;
        wave::Fields record; // the format the reader must give back
        std::string extra;
    } cases[] = {
        {"8-bit mono", wave::file(1, 11025, 8, data), {1, 1, 11025, 11025, 1, 8, 0}, ""},
        {"16-bit stereo", wave::file(2, 22050, 16, data), {1, 2, 22050, 88200, 4, 16, 0}, ""},
        {"8-bit stereo", wave::file(2, 44100, 8, data), {1, 2, 44100, 88200, 2, 8, 0}, ""},
        {"data before fmt",
         wave::riff("WAVE", wave::chunk("data", data) + wave::chunk("fmt ", pcm)), mono16, ""},
        {"odd chunks between",
         wave::riff("WAVE", wave::chunk("fmt ", pcm + "x") + wave::chunk("LIST", "INFOabc") +
                                wave::chunk("junk", "12345") + wave::chunk("data", data)),
         mono16, ""},
        {"18-byte PCM fmt",
         wave::riff("WAVE", wave::chunk("fmt ", pcm + wave::le16(7)) + wave::chunk("data", data)),
         mono16, ""},
        {"other format with extra bytes",
         wave::riff("WAVE",
                    wave::chunk("fmt ", wave::format(2, 1, 22050, 4) + wave::le16(4) + "abcd") +
                        wave::chunk("data", data)),
         {2, 1, 22050, 0, 0, 4, 4},
         "abcd"},
        // A 16-byte body of another format takes its extra size and bytes from what follows it
        // (here the next chunk's identifier), and the next chunk is still found.
        {"other format, 16 bytes",
         wave::riff("WAVE", wave::chunk("fmt ", wave::format(3, 1, 8000, 16)) +
                                wave::chunk(std::string("\x02\0xy", 4), "") +
                                wave::chunk("data", data)),
         {3, 1, 8000, 16000, 2, 16, 2},
         "xy"},
        // A lying header gives what the file holds and sets aside no memory the file cannot fill.
        {"data claims 0x7FFFFFFF", claiming(0x7FFFFFFF), mono16, ""},
        {"data claims 0xFFFFFFFF", claiming(~0u), mono16, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WaveReader reader;
        ASSERT_EQ(open(reader, c.file), S_OK);
        EXPECT_EQ(wave::fieldsOf(*reader.format), c.record);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(reader.extraFormatBytes()),
                              reader.format->extraSize),
                  c.extra);
        EXPECT_EQ(reader.dataSize(), 301u);
        EXPECT_EQ(readAll(reader), data);
    }
}

TEST_F(WaveReaderTest, RefusesMalformedFilesAndLeavesNothingBehind) {
    const std::string fmt = wave::chunk("fmt ", wave::format(1, 1, 22050, 16));
    const std::string data = wave::chunk("data", wave::samples(40));
    const std::string good = wave::riff("WAVE", fmt + data);
    const struct {
        const char* name;
        std::string bytes;
        bool keepsFormat; // the header was fine, only the data is missing
    } cases[] = {
        {"empty file", "", false},
        {"not RIFF", "RIFX" + good.substr(4), false},
        {"form not WAVE", wave::riff("AVI ", fmt + data), false},
        {"header cut short", good.substr(0, 10), false},
        {"no fmt", wave::riff("WAVE", data), false},
        {"fmt under 16 bytes",
         wave::riff("WAVE", wave::chunk("fmt ", std::string(14, '\1')) + data), false},
        {"file ends inside fmt", good.substr(0, 12 + 8 + 10), false},
        {"extra bytes cut short",
         wave::riff("WAVE",
                    wave::chunk("fmt ", wave::format(2, 1, 8000, 4) + wave::le16(400) + "ab")),
         false},
        {"no data", wave::riff("WAVE", fmt + wave::chunk("junk", "abcd")), true},
        {"data outside the form",
         "RIFF" + wave::le32(4 + static_cast<std::uint32_t>(fmt.size())) + "WAVE" + fmt + data,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* reader = new WaveReader;
        EXPECT_EQ(open(*reader, c.bytes), E_FAIL);
        EXPECT_EQ(reader->dataSize(), 0u);
        EXPECT_EQ(reader->format != nullptr, c.keepsFormat);
        EXPECT_EQ(reader->stream.isOpen(), c.keepsFormat);
        // Reading a reader that found no data gives nothing, and no harm.
        std::uint8_t byte = 0;
        std::uint32_t got = 99;
        EXPECT_EQ(reader->read(&byte, 1, &got), c.keepsFormat ? S_OK : CO_E_NOTINITIALIZED);
        EXPECT_EQ(got, c.keepsFormat ? 0u : 99u);
        delete reader; // the sanitizer sees every stream and record freed exactly once
    }
}

TEST_F(WaveReaderTest, ReadsPastTheEndRewindsAndOpensAgainAfresh) {
    const std::string data = wave::samples(100);
    WaveReader reader;
    ASSERT_EQ(open(reader, wave::file(1, 22050, 8, data)), S_OK);
    std::string pieces;
    for (const auto& [asked, given] : {std::pair{60u, 60u}, {60u, 40u}, {60u, 0u}, {0u, 0u}}) {
        std::uint8_t piece[60] = {};
        std::uint32_t got = 99;
        ASSERT_EQ(reader.read(piece, asked, &got), S_OK);
        EXPECT_EQ(got, given);
        pieces.append(piece, piece + got);
    }
    EXPECT_EQ(pieces, data);
    EXPECT_EQ(readAll(reader), data);

    // A failed open forgets the file before; an empty data chunk opens, with nothing to read.
    EXPECT_EQ(reader.open("Data\\missing.wav"), E_FAIL);
    EXPECT_EQ(reader.dataSize(), 0u);
    EXPECT_EQ(reader.format, nullptr);
    EXPECT_EQ(reader.open(nullptr), E_INVALIDARG);
    ASSERT_EQ(open(reader, wave::file(1, 22050, 8, "")), S_OK);
    EXPECT_EQ(reader.dataSize(), 0u);
    EXPECT_EQ(readAll(reader), "");
}

// Data much larger than the stream's buffer, read in pieces that straddle its refills, from a
// file and from memory.
TEST_F(WaveReaderTest, LargeDataReadsTheSameInAnyPieces) {
    const std::string data = wave::samples(50001, 3);
    const std::string bytes =
        wave::riff("WAVE", wave::chunk("fmt ", wave::format(1, 1, 22050, 8)) +
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
