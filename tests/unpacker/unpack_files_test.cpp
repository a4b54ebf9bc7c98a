// UnpackPicture and its file steps on good and bad packed files.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "pack_files.h"
#include "payload_encoder.h"
#include "picture_transform.h"
#include "unpacker/unpack_picture.h"

namespace {

class UnpackFiles : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/unpack-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        pack_ = dir_ + "/moon.pack";
        texture_ = dir_ + "/moon.bmp";
    }
    void TearDown() override {
        std::remove(pack_.c_str());
        std::remove(texture_.c_str());
        std::remove(dir_.c_str());
    }
    bool TextureExists() const {
        std::FILE* f = std::fopen(texture_.c_str(), "rb");
        if (f) std::fclose(f);
        return f != nullptr;
    }
    // A packed w x h picture of a smooth gradient, with the header's size fields set.
    std::vector<uint8_t> SmallPack(int w, int h, int headerW, int headerH) const {
        std::vector<double> picture(static_cast<size_t>(w) * h);
        for (size_t i = 0; i < picture.size(); ++i) picture[i] = (i * 3) % 256;
        std::vector<uint8_t> tiled = TileStoredValues(RoundStoredValues(ForwardTransform(picture, w, h)), w, h);
        std::vector<uint8_t> file = PackedPictureHeader(headerW, headerH);
        std::vector<uint8_t> payload;
        EXPECT_TRUE(EncodePicturePayload(tiled.data(), tiled.size(), &payload));
        file.insert(file.end(), payload.begin(), payload.end());
        return file;
    }
    std::string dir_, pack_, texture_;
};

TEST_F(UnpackFiles, WritesTheWidenedTextureWithItsHeaders) {
    ASSERT_TRUE(WriteFileBytes(pack_, SmallPack(64, 32, 64, 32)));
    EXPECT_EQ(UnpackPicture(pack_.c_str(), texture_.c_str(), nullptr), 2L * 64 * 32);
    std::vector<uint8_t> bmp;
    ASSERT_TRUE(ReadFileBytes(texture_, &bmp));
    ASSERT_EQ(bmp.size(), 54u + 2 * 64 * 32);
    PictureInfoHeader info;
    ParseInfoHeader(bmp.data() + 14, &info);
    EXPECT_EQ(info.width, 128);
    EXPECT_EQ(info.height, 32);
    EXPECT_EQ(bmp[10], 54);
    for (int r = 0; r < 32; ++r)
        for (int c = 64; c < 128; ++c) ASSERT_EQ(bmp[54 + r * 128 + c], 255);
}

TEST_F(UnpackFiles, BadPackedFilesFailWithoutATexture) {
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
    };
    std::vector<uint8_t> good = SmallPack(64, 64, 64, 64);
    std::vector<uint8_t> truncated(good.begin(), good.end() - 3);
    std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 54);
    std::vector<uint8_t> tooLong(good);
    tooLong.resize(54 + 2 * 64 * 64 + 1, 0);   // payload longer than the working buffer
    std::vector<uint8_t> wrongLength(good);
    wrongLength[54 + 5] = 0xFF;                  // decoded length far beyond the buffer
    wrongLength[54 + 6] = 0xFF;
    const Case cases[] = {
        {"short header", std::vector<uint8_t>(good.begin(), good.begin() + 30)},
        {"nothing after the header", headerOnly},
        {"truncated stream", truncated},
        {"payload longer than 2 x W x H", tooLong},
        {"decoded length beyond the buffer", wrongLength},
        {"width not a multiple of 32", SmallPack(64, 64, 48, 64)},
        {"zero height", SmallPack(64, 64, 64, 0)},
        {"negative width", SmallPack(64, 64, -64, 64)},
        {"absurd size", SmallPack(64, 64, 1 << 20, 1 << 20)},
    };
    for (const Case& k : cases) {
        ASSERT_TRUE(WriteFileBytes(pack_, k.file));
        EXPECT_EQ(UnpackPicture(pack_.c_str(), texture_.c_str(), nullptr), 0) << k.what;
        EXPECT_FALSE(TextureExists()) << k.what;
    }
}

TEST_F(UnpackFiles, MissingPackOrUnwritableTextureFails) {
    EXPECT_EQ(UnpackPicture(pack_.c_str(), texture_.c_str(), nullptr), 0);
    EXPECT_FALSE(TextureExists());
    ASSERT_TRUE(WriteFileBytes(pack_, SmallPack(64, 64, 64, 64)));
    const std::string nowhere = dir_ + "/no/such/folder/moon.bmp";
    EXPECT_EQ(UnpackPicture(pack_.c_str(), nowhere.c_str(), nullptr), 0);
}

TEST_F(UnpackFiles, ReadersReportUnopenableFiles) {
    PictureInfoHeader info;
    EXPECT_EQ(ReadPictureHeader(pack_.c_str(), &info), 0);
    unsigned char buffer[16];
    EXPECT_EQ(ReadPackedPayload(pack_.c_str(), buffer, sizeof(buffer)), 0);
    const unsigned char pixels[4] = {1, 2, 3, 4};
    EXPECT_EQ(WriteTexture(pack_.c_str(), texture_.c_str(), pixels, 2, 2, 4), 0);
    EXPECT_FALSE(TextureExists());   // the texture is not created when the pack is missing
}

}  // namespace
