// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <vector>

#include "ResourceIds.h"

namespace res = tarvelo::resources;

namespace {

QStringList warnings;

void collectSvgWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && QByteArray(context.category ? context.category : "").startsWith("qt.svg"))
        warnings << message;
}

// Renders a picture at its own size on a transparent image.
QImage render(const QString& path)
{
    QSvgRenderer renderer(path);
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Pixels that differ from the top-left one: zero for a blank picture or a bare button face.
int drawnPixels(const QImage& image)
{
    const QRgb background = image.pixel(0, 0);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != background;
    return count;
}

QSize defaultSize(int bitmap)
{
    return QSvgRenderer(res::bitmapPath(bitmap)).defaultSize();
}

QSet<QString> numbersIn(const QStringList& fileNames)
{
    QSet<QString> numbers;
    for (const QString& name : fileNames)
        numbers << QFileInfo(name).completeBaseName();
    return numbers;
}

template <std::size_t N>
QSet<QString> numbersOf(const std::array<int, N>& ids)
{
    QSet<QString> numbers;
    for (int id : ids)
        numbers << QString::number(id);
    return numbers;
}

const std::vector<res::ButtonImages> kAllButtons{
    res::kSectionStraightButton, res::kSectionSteppedButton,   res::kBreakStraightCutOffButton,
    res::kBreakStraightGapButton, res::kBreakCurvedCutOffButton, res::kBreakCurvedGapButton,
    res::kLevelAttachOffButton,  res::kLevelAttachOnButton,     res::kHatchBoundaryButton,
    res::kHatchLinearButton,     res::kHatchGroundButton,       res::kHatchWaterproofButton,
    res::kHatchThermalButton};

} // namespace

// Every named picture is a valid SVG that QSvgRenderer draws without complaint, and it draws something.
TEST(Pictures, everyNamedPictureLoadsAndDrawsSomething)
{
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectSvgWarnings);
    for (const QString& path : res::allPicturePaths()) {
        SCOPED_TRACE(path.toStdString());
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        EXPECT_FALSE(renderer.viewBoxF().isEmpty());
        EXPECT_FALSE(renderer.defaultSize().isEmpty());
        const QImage image = render(path);
        EXPECT_GT(drawnPixels(image), image.width() * image.height() / 50);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
}

// Pictures keep to what SVG Tiny draws the same everywhere: no styles, classes, filters, masks or arcs.
TEST(Pictures, picturesUseOnlyTinyFeatures)
{
    const QSet<QString> allowed{"svg", "g", "line", "polyline", "polygon", "rect", "circle", "ellipse", "path", "text"};
    const QRegularExpression arc(QStringLiteral("[Aa]"));
    for (const QString& path : res::allPicturePaths()) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString name = xml.name().toString();
            EXPECT_TRUE(allowed.contains(name)) << name.toStdString();
            EXPECT_FALSE(xml.attributes().hasAttribute(QStringLiteral("style")));
            EXPECT_FALSE(xml.attributes().hasAttribute(QStringLiteral("class")));
            if (name == QStringLiteral("path")) {
                EXPECT_FALSE(xml.attributes().value(QStringLiteral("d")).contains(arc));
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }
}

// A picture copied under a second number, or a button state left equal to another, shows up as a twin.
TEST(Pictures, noTwoPicturesLookAlike)
{
    QHash<QByteArray, QString> seen;
    for (const QString& path : res::allPicturePaths()) {
        const QImage image = render(path);
        const QByteArray hash = QCryptographicHash::hash(
            QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1);
        const QByteArray key = hash + QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height());
        EXPECT_FALSE(seen.contains(key)) << path.toStdString() << " looks like " << seen.value(key).toStdString();
        seen.insert(key, path);
    }
}

// The numbers are listed once each, ascending, and the folder, the compiled resources and the list agree.
TEST(Pictures, folderResourcesAndNumberListAgree)
{
    EXPECT_TRUE(std::adjacent_find(res::kBitmapIds.begin(), res::kBitmapIds.end(), std::greater_equal<>()) ==
                res::kBitmapIds.end());
    EXPECT_TRUE(std::adjacent_find(res::kIconIds.begin(), res::kIconIds.end(), std::greater_equal<>()) ==
                res::kIconIds.end());

    const QDir source(QStringLiteral(TARVELO_RESOURCES_DIR));
    const QStringList svgOnly{QStringLiteral("*.svg")};
    for (const auto& [folder, listed] : {std::pair{QStringLiteral("bitmaps"), numbersOf(res::kBitmapIds)},
                                         std::pair{QStringLiteral("icons"), numbersOf(res::kIconIds)}}) {
        SCOPED_TRACE(folder.toStdString());
        const QStringList files = QDir(source.filePath(folder)).entryList(svgOnly, QDir::Files);
        EXPECT_EQ(numbersIn(files), listed) << "a picture file without a number in ResourceIds.h, or the reverse";
        EXPECT_EQ(numbersIn(QDir(QStringLiteral(":/") + folder).entryList()), listed)
            << "a picture missing from resources.qrc, or listed there without a number";
        for (const QString& name : files) {
            QFile file(QDir(source.filePath(folder)).filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QList<QByteArray> head = file.read(400).split('\n');
            ASSERT_GE(head.size(), 4) << name.toStdString();
            EXPECT_EQ(head[0], "<!-- SPDX-License-Identifier: MIT -->") << name.toStdString();
            EXPECT_EQ(head[1], "<!-- SPDX-FileCopyrightText: 2026 Tarvelo contributors -->") << name.toStdString();
            EXPECT_TRUE(head[2].startsWith("<!-- ") && head[2].size() > 20) << name.toStdString()
                                                                          << " has no line saying what it shows";
        }
    }
}

// Images of one button share one size; list images are 16 x 16 and hatch buttons 36 x 18, as their controls expect.
TEST(Pictures, imagesHaveTheSizesTheirControlsExpect)
{
    const QSet<int> bitmaps(res::kBitmapIds.begin(), res::kBitmapIds.end());
    for (const res::ButtonImages& button : kAllButtons) {
        SCOPED_TRACE(button.normal);
        for (int face : {button.selected, button.focused, button.disabled}) {
            if (face == 0)
                continue;
            EXPECT_TRUE(bitmaps.contains(face)) << face;
            EXPECT_EQ(defaultSize(face), defaultSize(button.normal)) << face;
        }
    }
    std::vector<int> listImages(res::kLeaderTypeImages.begin(), res::kLeaderTypeImages.end());
    listImages.insert(listImages.end(), res::kLeaderEndingImages.begin(), res::kLeaderEndingImages.end());
    listImages.insert(listImages.end(), res::kLevelKindImages.begin(), res::kLevelKindImages.end());
    listImages.insert(listImages.end(), res::kLevelExtensionImages.begin(), res::kLevelExtensionImages.end());
    for (int image : listImages) {
        EXPECT_TRUE(bitmaps.contains(image)) << image;
        EXPECT_EQ(defaultSize(image), QSize(16, 16)) << image;
    }
    for (const res::ButtonImages& hatch : {res::kHatchBoundaryButton, res::kHatchLinearButton,
                                           res::kHatchGroundButton, res::kHatchWaterproofButton,
                                           res::kHatchThermalButton})
        EXPECT_EQ(defaultSize(hatch.normal), QSize(36, 18)) << hatch.normal;
    EXPECT_EQ(res::kWeldImages.size(), 16u);
    for (int weld : res::kWeldImages)
        EXPECT_EQ(defaultSize(weld), defaultSize(res::kWeldOther)) << weld;
}
