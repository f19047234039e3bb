#include "windows/main/apply_language.h"

#include "windows/main/caption_table.h"
#include "windows/shell/model_text.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace orvex {
namespace {

QWidget* windowFor(CaptionWindow window, const CaptionWindows& windows) {
    switch (window) {
    case CaptionWindow::Main:
        return windows.main;
    case CaptionWindow::Settings:
        return windows.settings;
    case CaptionWindow::Schedule:
        return windows.schedule;
    }
    return nullptr;
}

// The window's own control of that name, not one of a dialog the window owns.
QWidget* controlOf(QWidget* window, const char* name) {
    if (name == nullptr) {
        return window;
    }
    for (QWidget* control : window->findChildren<QWidget*>(QString::fromLatin1(name))) {
        if (control->window() == window) {
            return control;
        }
    }
    return nullptr;
}

void setCaption(QWidget* control, const QString& text) {
    if (control->isWindow()) {
        control->setWindowTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* pages = qobject_cast<QTabWidget*>(control->parentWidget()->parentWidget())) {
        // A page's caption is its tab's text; the page sits in the tab widget's stack.
        pages->setTabText(pages->indexOf(control), text);
    }
}

void setColumnCaption(QWidget* control, int column, const QString& text) {
    if (auto* list = qobject_cast<QAbstractItemView*>(control); list && list->model()) {
        list->model()->setHeaderData(column, Qt::Horizontal, text);
    }
}

void setEntry(QWidget* control, int entry, const QString& text) {
    auto* list = qobject_cast<QComboBox*>(control);
    if (list == nullptr || entry >= list->count()) {
        return;
    }
    const int selected = list->currentIndex();
    list->setItemText(entry, text);
    list->setCurrentIndex(selected);
}

} // namespace

void applyCaptionTable(int language, const CaptionWindows& windows) {
    if (language < 0 || language > 1) {
        return;
    }
    for (const CaptionRow& row : CaptionTable) {
        if (row.ends) {
            break;
        }
        QWidget* window = windowFor(row.window, windows);
        QWidget* control = window == nullptr ? nullptr : controlOf(window, row.control);
        if (control == nullptr) {
            continue;
        }
        const QString text = modelText(language == 0 ? row.english : row.spanish);
        const int index = static_cast<int>(row.code % 100);
        switch (row.code / 100) {
        case 0:
            setCaption(control, text);
            break;
        case 1:
            setColumnCaption(control, index, text);
            break;
        case 2:
            setEntry(control, index, text);
            break;
        default:
            break;
        }
    }
}

} // namespace orvex
