#include "windows/main/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace orvex {
namespace {

template <typename Control>
Control* placed(Control* control, const char* name, const QRect& place) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(place);
    return control;
}

} // namespace

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place) {
    return placed(new QPushButton(caption, parent), name, place);
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& caption,
                     const QRect& place) {
    return placed(new QGroupBox(caption, parent), name, place);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& place) {
    return placed(new QLabel(caption, parent), name, place);
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place) {
    return placed(new QCheckBox(caption, parent), name, place);
}

QComboBox* makeDropDown(QWidget* parent, const char* name, const QStringList& entries,
                        const QRect& place) {
    auto* box = placed(new QComboBox(parent), name, place);
    box->addItems(entries);
    return box;
}

} // namespace orvex
