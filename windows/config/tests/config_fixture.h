#pragma once

#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "windows/config/unit_config.h"
#include "windows/shell/tests/fake_choosers.h"
#include "windows/shell/tests/fake_error_messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace orvex::testing {

// The dialog over a record with the defaults of a new sequence, its sequence folder a scratch
// folder, on the fake clock (26/11/2009 09:30:00) and day/month/year 24-hour texts.
class ConfigTest : public ::testing::Test {
protected:
    FakeServices services;
    FakeChoosers choosers;
    FakeErrorMessages messages;
    QTemporaryDir folder;
    TFormConfig dialog{choosers, messages, [this] {
                           return folder.path() + QLatin1Char('/');
                       }};
    MainParams params{};

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ResetConfig(params);
    }

    void open() {
        dialog.LoadFromParams(&params);
        dialog.show();
    }

    template <typename T> T* child(const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLabel* clock() { return child<QLabel>("LabelClock"); }
    QLabel* logo() { return child<QLabel>("Logo"); }
    QFrame* preview() { return child<QFrame>("Shape1"); }
    QComboBox* list(const char* name) { return child<QComboBox>(name); }

    // Where a preview item's top-left corner lies, in preview pixels from the preview's own.
    QPoint inPreview(QWidget* item) { return item->pos() - preview()->pos(); }

    // Presses on the item, moves the pointer to `to` (relative to the preview) and lets go.
    void drag(QWidget* item, QPoint to) {
        QTest::mousePress(item, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseMove(item, item->mapFromGlobal(preview()->mapToGlobal(to)));
        QTest::mouseRelease(item, Qt::LeftButton, {},
                            item->mapFromGlobal(preview()->mapToGlobal(to)));
    }

    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    void tick(const char* name) { QTest::mouseClick(child<QCheckBox>(name), Qt::LeftButton); }

    // Chooses item `index` of a closed list from the keyboard, as a user would.
    void choose(const char* name, int index) {
        QComboBox* box = list(name);
        QTest::keyClick(box, Qt::Key_Home);
        for (int step = 0; step < index; ++step) {
            QTest::keyClick(box, Qt::Key_Down);
        }
    }

    void writeLogo(const QString& name, int width, int height) const {
        fixture::writeBytes(
            QFile::encodeName(folder.filePath(name)).toStdString(),
            fixture::encodeJpeg(fixture::solidImage(width, height, {200, 30, 30}), {}));
    }
};

} // namespace orvex::testing
