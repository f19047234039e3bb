#pragma once

#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "windows/main/image_list_panel.h"
#include "windows/main/loop_list_panel.h"
#include "windows/main/report_view.h"
#include "windows/main/unit_image_loop.h"
#include "windows/sequence_files/tests/fake_sequence_prompts.h"
#include "windows/shell/tests/fake_choosers.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace orvex::testing {

// The main window over a sequence of its own, on the fake clock (26/11/2009 09:30:00) and the
// fake day/month/year 24-hour regional format, counting the sequenceChanged signals.
class EditorTest : public ::testing::Test {
protected:
    FakeServices services;
    FakeChoosers choosers;
    FakeSequencePrompts prompts;
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();
    std::unique_ptr<TFormImageLoop> window;
    int changes = 0;
    QStringList& errors = prompts.errors;

    void SetUp() override {
        window = std::make_unique<TFormImageLoop>(*sequence, choosers, prompts);
        QObject::connect(window.get(), &TFormImageLoop::sequenceChanged, [this] { ++changes; });
        window->show();
    }

    template <typename T> T* child(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    ReportView* loopList() { return child<ReportView>("LoopList"); }
    ReportView* imageList() { return child<ReportView>("ImageList"); }

    // Loops named "A", "B", ... with `items` image entries each, shown in the list.
    void addLoops(int count, int items = 0) {
        for (int i = 0; i < count; ++i) {
            LoopEntry* loop = AddLoop(sequence->loopTable);
            setText(loop->Name, std::string(1, static_cast<char>('A' + i % 26)));
            for (int j = 0; j < items; ++j) {
                AddImageItem(sequence->loopTable, static_cast<std::uint8_t>(i),
                             "/p" + std::to_string(j) + ".jpg");
            }
        }
        window->RefreshLoopList();
    }

    LoopEntry& loop(int index) {
        return sequence->loopTable.Loops[static_cast<std::size_t>(index)];
    }

    QStringList names() {
        QStringList list;
        for (int i = 0; i < GetLoopCount(sequence->loopTable); ++i) {
            list << QString::fromStdString(std::string(textOf(loop(i).Name)));
        }
        return list;
    }

    // Types any text, as a keyboard with the right layout would; QTest's own typing is Latin-1.
    static void typeText(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    static int rows(const ReportView* list) { return list->model()->rowCount(); }

    static QString cell(const ReportView* list, int row, int column) {
        return list->model()->index(row, column).data().toString();
    }

    static bool isChecked(const ReportView* list, int row) {
        return list->model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    }

    // The caption followed by the cells, as the user reads the row.
    static QStringList rowTexts(const ReportView* list, int row) {
        QStringList texts;
        for (int column = 0; column < list->model()->columnCount(); ++column) {
            texts << cell(list, row, column);
        }
        return texts;
    }

    static QRect placeOf(ReportView* list, int row, int column) {
        return list->visualRect(list->model()->index(row, column));
    }

    static void clickRow(ReportView* list, int row, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, placeOf(list, row, 1).center());
    }

    static void clickCheckBox(ReportView* list, int row) {
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.rect = placeOf(list, row, 0);
        option.features =
            QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        const QRect box =
            list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    }
};

} // namespace orvex::testing
