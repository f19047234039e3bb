#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace orvex {

// Controls placed at fixed pixel positions, each named for the tests and the caption table.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place);
QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& caption, const QRect& place);
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& place);
QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place);
QComboBox* makeDropDown(QWidget* parent, const char* name, const QStringList& entries,
                        const QRect& place);

} // namespace orvex
