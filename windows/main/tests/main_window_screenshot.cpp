// Renders the main window with a small sample sequence to a PNG, for the README and for a
// look at the layout: main_window_screenshot MAIN.png [ADD_IMAGE.png]
#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "windows/add_image/unit_add_image.h"
#include "windows/main/image_list_panel.h"
#include "windows/main/loop_list_panel.h"
#include "windows/main/unit_image_loop.h"
#include "windows/sequence_files/tests/fake_sequence_prompts.h"
#include "windows/shell/tests/fake_choosers.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace orvex {
namespace {

void writePictures(const QTemporaryDir& folder) {
    const char* names[] = {"beach.jpg",      "harbour.JPG",   "market.jpg",
                           "menu_today.jpg", "mountains.jpg", "opening_hours.jpg"};
    std::uint32_t seed = 1;
    for (const char* name : names) {
        fixture::writeBytes(
            QFile::encodeName(folder.filePath(QString::fromLatin1(name))).toStdString(),
            fixture::encodeJpeg(fixture::photoLikeImage(640, 480, seed++), {}));
    }
}

void fillSequence(TFormImageLoop& window, Sequence& sequence) {
    for (int i = 0; i < 5; ++i) {
        window.loopList().NewLoopClick();
    }
    LoopEntry* loops = sequence.loopTable.Loops.data();
    setText(loops[0].Name, "Breakfast menu");
    loops[0].bTimeIni = loops[0].bTimeEnd = 1;
    loops[0].TimeIni = encodeTime({7, 0, 0});
    loops[0].TimeEnd = encodeTime({10, 30, 0});
    setText(loops[1].Name, "Weekend market");
    loops[1].bWeekDay = 1;
    loops[1].WeekDay = 6;
    setText(loops[2].Name, "Christmas");
    loops[2].bDateIni = loops[2].bDateEnd = 1;
    loops[2].DateIni = encodeDate({2009, 12, 1});
    loops[2].DateEnd = encodeDate({2009, 12, 26});
    setText(loops[3].Name, "Payday offers");
    loops[3].bMonthDay = 1;
    loops[3].MonthDay = 25;
    loops[3].Checked = 0;
    setText(loops[4].Name, "Remote promo");
    loops[4].Event = 3;
    loops[4].Loop = 0;
    window.RefreshLoopList();
}

} // namespace
} // namespace orvex

int main(int argc, char** argv) {
    using namespace orvex;
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    testing::FakeServices services;
    testing::FakeChoosers choosers;
    testing::FakeSequencePrompts prompts;
    QTemporaryDir folder;
    writePictures(folder);

    auto sequence = std::make_unique<Sequence>();
    TFormImageLoop window(*sequence, choosers, prompts);
    TFormAddImage addImage(prompts, &window);
    window.attachWindows({&addImage, nullptr, nullptr});
    window.SetSequenceFolder(QStringLiteral("/home/shop/screens/"));
    fillSequence(window, *sequence);
    window.selectLoopRow(2);
    window.imageList().InsertSelectedFiles(
        {"market.jpg", "beach.jpg", "menu_today.jpg", "harbour.JPG"});
    window.imageList().AddInactiveButtonClick();
    window.imageList().selectImageRows(2, 2);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    QTest::qWait(200);
    bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));

    if (argc > 2) {
        addImage.bindFolder(folder.path() + QLatin1Char('/'));
        addImage.show();
        if (!QTest::qWaitForWindowExposed(&addImage)) {
            return 1;
        }
        auto* files = addImage.findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(2)).center());
        QTest::qWait(200);
        saved = addImage.grab().save(QString::fromLocal8Bit(argv[2])) && saved;
    }
    return saved ? 0 : 1;
}
