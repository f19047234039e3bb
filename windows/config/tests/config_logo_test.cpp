#include "windows/config/tests/config_fixture.h"

#include <gmock/gmock.h>

namespace orvex::testing {
namespace {

using ::testing::HasSubstr;

class ConfigLogoTest : public ConfigTest {
protected:
    QString inFolder(const QString& name) const { return folder.filePath(name); }
};

TEST_F(ConfigLogoTest, ALoadedLogoShowsAtHalfItsSizeAtThePreviewsCorner) {
    writeLogo("logo.jpg", 200, 100);
    writeLogo("odd.jpg", 201, 99);
    open();
    choosers.existingFileReplies = {inFolder("odd.jpg"), inFolder("logo.jpg")};

    click("LoadLogo");
    EXPECT_EQ(logo()->size(), QSize(100, 49)) << "each side halved, rounded down";
    click("LoadLogo");
    EXPECT_TRUE(logo()->isVisible());
    EXPECT_EQ(logo()->size(), QSize(100, 50));
    EXPECT_EQ(inPreview(logo()), QPoint(0, 0));
    EXPECT_EQ(choosers.lastStartFolder, folder.path() + "/");
    EXPECT_THAT(choosers.lastFilter.toStdString(), HasSubstr("*.jpg"));

    click("ButtonOK");
    EXPECT_EQ(textOf(params.FileLogo), "/logo.jpg");
    EXPECT_EQ(QPoint(params.xLogo, params.yLogo), QPoint(0, 0));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

TEST_F(ConfigLogoTest, AStoredLogoShowsWhereItWasPlacedAndCanBeDragged) {
    writeLogo("logo.jpg", 80, 60);
    setText(params.FileLogo, "/logo.jpg");
    params.xLogo = 400;
    params.yLogo = 100;
    open();
    EXPECT_TRUE(logo()->isVisible());
    EXPECT_EQ(inPreview(logo()), QPoint(200, 50));
    EXPECT_EQ(dialog.logoName(), "logo.jpg");

    drag(logo(), {10, 20});
    click("ButtonOK");
    EXPECT_EQ(QPoint(params.xLogo, params.yLogo), QPoint(20, 40));
}

TEST_F(ConfigLogoTest, CancellingTheChooserKeepsTheLogo) {
    writeLogo("logo.jpg", 80, 60);
    setText(params.FileLogo, "/logo.jpg");
    open();
    choosers.existingFileReplies = {std::nullopt};

    click("LoadLogo");
    EXPECT_TRUE(logo()->isVisible());
    EXPECT_EQ(dialog.logoName(), "logo.jpg");
    click("ButtonOK");
    EXPECT_EQ(textOf(params.FileLogo), "/logo.jpg");
}

TEST_F(ConfigLogoTest, DeleteLogoRemovesItAndOkStoresNone) {
    writeLogo("logo.jpg", 80, 60);
    setText(params.FileLogo, "/logo.jpg");
    open();
    click("DeleteLogo");
    EXPECT_FALSE(logo()->isVisible());
    click("ButtonOK");
    EXPECT_EQ(textOf(params.FileLogo), "");
}

TEST_F(ConfigLogoTest, ALogoMissingFromTheFolderShowsNothingAndIsStoredAgain) {
    setText(params.FileLogo, "/away.jpg");
    open();
    EXPECT_FALSE(logo()->isVisible());
    EXPECT_EQ(dialog.logoName(), "away.jpg");
    EXPECT_TRUE(messages.errors.isEmpty());
    click("ButtonOK");
    EXPECT_EQ(textOf(params.FileLogo), "/away.jpg");
}

TEST_F(ConfigLogoTest, ALogoThatCannotBeDecodedIsToldOnceAndTheDialogStillOpens) {
    QFile broken(inFolder("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture at all");
    broken.close();
    setText(params.FileLogo, "/broken.jpg");
    params.ShowDate = 1;
    open();

    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_THAT(messages.errors[0].toStdString(), HasSubstr("broken.jpg"));
    EXPECT_THAT(messages.errors[0].toStdString(), HasSubstr("not a JPEG"));
    EXPECT_FALSE(logo()->isVisible());
    EXPECT_TRUE(child<QCheckBox>("ShowDate")->isChecked()) << "the rest was loaded";
    EXPECT_EQ(list("TimeZone")->count(), 90);
    click("ButtonOK");
    EXPECT_EQ(textOf(params.FileLogo), "/broken.jpg");
}

TEST_F(ConfigLogoTest, ANameThePlaylistCannotCarryIsRefusedAndTheLogoKept) {
    writeLogo("logo.jpg", 80, 60);
    setText(params.FileLogo, "/logo.jpg");
    const struct {
        QString name;
        const char* told;
    } cases[] = {
        {QString(32, QLatin1Char('n')) + ".jpg", "31"},
        {QStringLiteral("\u0436\u0443\u0440.jpg"), "cannot store"},
        {QStringLiteral("a<b.jpg"), "\"<\""},
        {QStringLiteral("12:30.jpg"), "\":\""},
    };
    for (const auto& c : cases) {
        messages.errors.clear();
        open();
        choosers.existingFileReplies = {inFolder(c.name)};
        click("LoadLogo");
        ASSERT_EQ(messages.errors.size(), 1) << c.name.toStdString();
        EXPECT_THAT(messages.errors[0].toStdString(), HasSubstr(c.told));
        EXPECT_TRUE(logo()->isVisible());
        EXPECT_EQ(dialog.logoName(), "logo.jpg");
    }
}

TEST_F(ConfigLogoTest, ALogoChosenOutsideTheFolderIsToldWhereThePlayerLooks) {
    QTemporaryDir elsewhere;
    fixture::writeBytes(QFile::encodeName(elsewhere.filePath("brand.jpg")).toStdString(),
                        fixture::encodeJpeg(fixture::solidImage(40, 40, {1, 2, 3}), {}));
    open();
    choosers.existingFileReplies = {elsewhere.filePath("brand.jpg")};
    click("LoadLogo");

    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_THAT(messages.errors[0].toStdString(), HasSubstr("sequence folder"));
    EXPECT_FALSE(logo()->isVisible());
    click("ButtonOK");
    EXPECT_EQ(textOf(params.FileLogo), "/brand.jpg");
}

} // namespace
} // namespace orvex::testing
