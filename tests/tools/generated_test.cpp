// The generators are deterministic and the committed files in data/quiz are
// exactly what they make; the title picture keeps its quiet areas quiet.
#include "assets.h"
#include "icon.h"
#include "title.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace assets = mirovalk::assets;

namespace {

QByteArray committed(const char* file)
{
    QFile f(QStringLiteral(MIROVALK_TEST_DATA_DIR "/") + file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class AssetsGenerated : public testing::TestWithParam<assets::Asset> {};

} // namespace

namespace mirovalk::assets {
void PrintTo(const Asset& asset, std::ostream* os) { *os << asset.fileName; }
} // namespace mirovalk::assets

namespace {

TEST_P(AssetsGenerated, IsTheSameOnEveryRun)
{
    const QByteArray first = GetParam().make();
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first, GetParam().make());
}

TEST_P(AssetsGenerated, MatchesTheCommittedFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(assets::writeAsset(GetParam(), dir.path()), QString());
    QFile written(dir.filePath(QString::fromUtf8(GetParam().fileName)));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll() == committed(GetParam().fileName))
        << GetParam().fileName << " differs: run `cmake --build <build> --target regenerate-assets`";
}

INSTANTIATE_TEST_SUITE_P(Each, AssetsGenerated, testing::ValuesIn(assets::allAssets().begin(), assets::allAssets().end()),
                         [](const auto& info) {
                             std::string name = info.param.fileName;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST(AssetsRegistry, WriteAssetReportsAFolderItCannotWrite)
{
    EXPECT_NE(assets::writeAsset(assets::allAssets().front(), QStringLiteral("/nonexistent/folder")), QString());
}

// WCAG's relative luminance and contrast ratio: how well a letter of one
// colour reads on another.
double luminance(QColor c)
{
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Share of the pixels in rows [top, bottom) on which `letter` reads with at least `ratio`.
double readableShare(const QImage& image, int top, int bottom, QColor letter, double ratio)
{
    int good = 0, all = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x, ++all)
            good += contrast(image.pixelColor(x, y), letter) >= ratio ? 1 : 0;
    return static_cast<double>(good) / all;
}

class AssetsTitlePicture : public testing::Test {
protected:
    void SetUp() override
    {
        bytes = committed("title.bmp");
        ASSERT_TRUE(image.loadFromData(bytes, "BMP"));
    }
    QByteArray bytes;
    QImage image;
};

TEST_F(AssetsTitlePicture, Is313By209With24BitsAPixel)
{
    ASSERT_GE(bytes.size(), 54);
    EXPECT_TRUE(bytes.startsWith("BM"));
    const auto le = [&](int at, int n) {
        int v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
        return v;
    };
    EXPECT_EQ(le(18, 4), assets::kTitleWidth);
    EXPECT_EQ(le(22, 4), assets::kTitleHeight);
    EXPECT_EQ(le(28, 2), 24);
    EXPECT_EQ(le(30, 4), 0) << "uncompressed";
    EXPECT_EQ(image.size(), QSize(313, 209));
}

TEST_F(AssetsTitlePicture, RedAndBlueTitleLettersReadOverTheTop)
{
    // Contrast 3 is the usual floor for large text; pure red on white just makes 4.
    EXPECT_GE(readableShare(image, 0, assets::kTitleWordBottom, QColor(255, 0, 0), 3.0), 0.97);
    EXPECT_GE(readableShare(image, 0, assets::kTitleWordBottom, QColor(0, 0, 255), 4.5), 0.97);
}

TEST_F(AssetsTitlePicture, ButtonAreaStaysLight)
{
    EXPECT_GE(readableShare(image, assets::kTitleButtonsTop, image.height(), QColor(0, 0, 0), 15.0), 0.97);
}

TEST_F(AssetsTitlePicture, CrownBandHasShadowAndLight)
{
    int dark = 0, bright = 0;
    for (int y = assets::kTitleWordBottom; y < assets::kTitleButtonsTop; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double l = luminance(image.pixelColor(x, y));
            dark += l < 0.12 ? 1 : 0;
            bright += l > 0.8 ? 1 : 0;
        }
    }
    EXPECT_GE(dark, 100) << "the crown needs deep shading";
    EXPECT_GE(bright, 100) << "and highlights";
}

} // namespace

// The committed icons are what the generator draws, each at its own size with a see-through corner.
TEST(AssetsIcon, EverySizeMatchesTheCommittedFile)
{
    for (const int size : assets::kIconSizes) {
        QFile f(QStringLiteral(MIROVALK_SOURCE_DIR "/data/icons/hicolor/%1x%1/apps/mirovalk.png").arg(size));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << size;
        EXPECT_TRUE(f.readAll() == assets::iconPng(size)) << size << ": run the regenerate-assets target";
        const QImage icon = assets::paintIcon(size);
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
    }
}
