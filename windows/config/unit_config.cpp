#include "windows/config/unit_config.h"

#include "model/time_zone_list.h"
#include "platform/cp1252.h"
#include "platform/services.h"
#include "windows/config/clock_font.h"
#include "windows/config/color_table.h"
#include "windows/config/logo_name.h"
#include "windows/config/preview_geometry.h"
#include "windows/config/preview_item.h"
#include "windows/shell/choosers.h"
#include "windows/shell/error_messages.h"
#include "windows/shell/mnemonics.h"
#include "windows/shell/model_text.h"
#include "windows/shell/named_control.h"
#include "windows/shell/picture_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace orvex {
namespace {

constexpr QSize kClientSize(378, 520);
// Room for the preview in either orientation, the outline included.
constexpr QSize kCanvasSize(378, 362);

std::uint8_t flagOf(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

// The control's index, or the field's own value when nothing is selected: only a value no
// item stands for leaves a list without a selection, and the user has not replaced it.
template <typename Field> Field indexOr(const QComboBox* list, Field loaded) {
    const int index = list->currentIndex();
    return index < 0 ? loaded : static_cast<Field>(index);
}

// The list's item `index`, or no selection for a value no item stands for.
void selectItem(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

// A position left of or above the screen, which only an edited file holds, shows at the edge.
int shownOffset(std::int16_t stored) {
    return std::max<int>(stored, 0) / 2;
}

QString localFileName(const QString& folder, std::string_view cp1252Name) {
    return folder + modelText(cp1252Name);
}

} // namespace

TFormConfig::TFormConfig(Choosers& choosers, ErrorMessages& messages,
                         std::function<QString()> sequenceFolder, QWidget* parent)
    : QDialog(parent), m_choosers(choosers), m_messages(messages),
      m_sequenceFolder(std::move(sequenceFolder)) {
    setObjectName(QStringLiteral("FormConfig"));
    setWindowTitle(tr("General Config"));
    // The layout was drawn for a compact 8-point font.
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);
    buildControls();
    connectControls();
    retranslate();
    assignMnemonics(this);
    setFixedSize(kClientSize.expandedTo(sizeHint()));

    Timer1 = named<QTimer>("Timer1", this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TFormConfig::Timer1Timer);
    Timer1->start();
}

void TFormConfig::buildControls() {
    QStringList colourNames;
    for (const ColorEntry& entry : ColorTable) {
        colourNames << QString::fromLatin1(entry.name);
    }
    Label2 = named<QLabel>("Label2", tr("Font Color"), this);
    FontColor = named<QComboBox>("FontColor", this);
    FontColor->addItems(colourNames);
    FontColor->setMinimumWidth(121);
    Label2->setBuddy(FontColor);
    Label3 = named<QLabel>("Label3", tr("Back Color"), this);
    BackColor = named<QComboBox>("BackColor", this);
    BackColor->addItems(colourNames);
    BackColor->setMinimumWidth(121);
    Label3->setBuddy(BackColor);
    Label1 = named<QLabel>("Label1", tr("Time Zone"), this);
    TimeZone = named<QComboBox>("TimeZone", this);
    // The longest zone names would make the dialog wider than the preview needs.
    TimeZone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    TimeZone->setMinimumContentsLength(30);
    Label1->setBuddy(TimeZone);
    Label4 = named<QLabel>("Label4", tr("Screen Rotate"), this);
    ScreenRot = named<QComboBox>("ScreenRot", this);
    ScreenRot->addItems({QStringLiteral("ROT 0"), QStringLiteral("ROT 90"),
                         QStringLiteral("ROT 180"), QStringLiteral("ROT 270")});
    ScreenRot->setMinimumWidth(97);
    Label4->setBuddy(ScreenRot);
    ShowDate = named<QCheckBox>("ShowDate", tr("Date"), this);
    ShowTime = named<QCheckBox>("ShowTime", tr("Time"), this);
    CheckDST = named<QCheckBox>("CheckDST", tr("Daylight Saving Time"), this);
    LoadLogo = named<QPushButton>("LoadLogo", tr("Load Logo"), this);
    DeleteLogo = named<QPushButton>("DeleteLogo", tr("Delete Logo"), this);
    for (QPushButton* button : {LoadLogo, DeleteLogo}) {
        button->setAutoDefault(false);
        button->setMinimumSize(75, 25);
    }

    // Fields the player reads but this dialog does not edit; they carry the values through.
    CheckText = named<QCheckBox>("CheckText", QStringLiteral("Text"), this);
    EditText = named<QLineEdit>("EditText", this);
    ScrollOn = named<QCheckBox>("ScrollOn", QStringLiteral("Scroll"), this);
    for (QWidget* carried : std::initializer_list<QWidget*>{CheckText, EditText, ScrollOn}) {
        carried->hide();
        carried->setEnabled(false);
    }

    ButtonOK = named<QPushButton>("ButtonOK", tr("OK"), this);
    ButtonOK->setDefault(true);
    ButtonOK->setMinimumSize(99, 25);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(8, 0, 8, 0);
    grid->setVerticalSpacing(4);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(FontColor, 0, 1, Qt::AlignLeft);
    grid->addWidget(ShowDate, 0, 2);
    grid->addWidget(ShowTime, 0, 3);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(BackColor, 1, 1, Qt::AlignLeft);
    grid->addWidget(CheckDST, 1, 2, 1, 2);
    grid->addWidget(Label1, 2, 0);
    grid->addWidget(TimeZone, 2, 1, 1, 3);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(ScreenRot, 3, 1, Qt::AlignLeft);
    grid->addWidget(LoadLogo, 3, 2);
    grid->addWidget(DeleteLogo, 3, 3);
    grid->setColumnStretch(1, 1);

    m_canvas = new QWidget(this);
    m_canvas->setFixedSize(kCanvasSize);
    buildPreview(m_canvas);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(8);
    layout->addLayout(grid);
    layout->addWidget(m_canvas);
    layout->addStretch();
    layout->addLayout(buttons);
}

void TFormConfig::buildPreview(QWidget* canvas) {
    Shape1 = named<QFrame>("Shape1", canvas);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(1);
    QPalette outline = Shape1->palette();
    outline.setColor(QPalette::WindowText, Qt::black);
    Shape1->setPalette(outline);
    Shape1->setGeometry(previewRect(0));

    Logo = new PreviewItem("Logo", canvas);
    Logo->setScaledContents(true);
    Logo->setGeometry(Shape1->x(), Shape1->y(), 0, 0);
    Logo->hide();

    LabelClock = new PreviewItem("LabelClock", canvas);
    LabelClock->setFont(clockFont());
    LabelClock->setAlignment(Qt::AlignCenter);
    LabelClock->setAutoFillBackground(true);
    LabelClock->move(168 - 8, 144 - 120);

    setTabOrder(DeleteLogo, Logo);
    setTabOrder(Logo, LabelClock);
    setTabOrder(LabelClock, ButtonOK);
}

void TFormConfig::connectControls() {
    connect(ButtonOK, &QPushButton::clicked, this, &TFormConfig::ButtonOKClick);
    for (QCheckBox* box : {ShowDate, ShowTime, CheckText, ScrollOn}) {
        connect(box, &QCheckBox::toggled, this, &TFormConfig::OnConfigChange);
    }
    connect(EditText, &QLineEdit::textChanged, this, &TFormConfig::OnConfigChange);
    // Choices by the user only: filling and selecting while loading must not store or move.
    connect(TimeZone, &QComboBox::activated, this, &TFormConfig::OnConfigChange);
    connect(FontColor, &QComboBox::activated, this, &TFormConfig::FontColorChange);
    connect(BackColor, &QComboBox::activated, this, &TFormConfig::BackColorChange);
    connect(ScreenRot, &QComboBox::activated, this, &TFormConfig::ScreenRotChange);
    connect(LoadLogo, &QPushButton::clicked, this, &TFormConfig::LoadLogoClick);
    connect(DeleteLogo, &QPushButton::clicked, this, &TFormConfig::DeleteLogoClick);
    for (PreviewItem* item : {Logo, LabelClock}) {
        connect(item, &PreviewItem::dragged, this,
                [this, item](QPoint pointer) { dragItem(item, pointer); });
        connect(item, &PreviewItem::nudged, this,
                [this, item](QPoint step) { nudgeItem(item, step); });
    }
}

void TFormConfig::retranslate() {
    Logo->setAccessibleName(tr("Logo on the screen preview"));
    LabelClock->setAccessibleName(tr("Clock on the screen preview"));
}

void TFormConfig::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void TFormConfig::showEvent(QShowEvent* event) {
    setFixedSize(kClientSize.expandedTo(sizeHint()));
    QDialog::showEvent(event);
}

void TFormConfig::LoadFromParams(MainParams* record) {
    EditedParams = nullptr;
    if (record == nullptr) {
        return;
    }
    m_loaded = *record;
    m_logoMoved = false;
    m_clockMoved = false;

    CheckText->setChecked(record->ShowText != 0);
    EditText->setText(modelText(textOf(record->ScrollText)));
    ScrollOn->setChecked(record->Scroll != 0);
    ShowDate->setChecked(record->ShowDate != 0);
    ShowTime->setChecked(record->ShowTime != 0);
    selectItem(FontColor, record->TextColor);
    selectItem(BackColor, record->BackColor);
    FontColorChange();
    BackColorChange();

    EditedParams = record;
    SetPreviewRotation(record->Rotation);
    if (!textOf(record->FileLogo).empty()) {
        SetLogo(textOf(record->FileLogo), shownOffset(record->xLogo), shownOffset(record->yLogo));
    } else {
        removeLogo();
    }
    m_loadedLogoName = m_logoName;
    LabelClock->move(Shape1->x() + shownOffset(record->xClock),
                     Shape1->y() + shownOffset(record->yClock));

    TimeZone->clear();
    for (const char* name : TimeZoneNames) {
        TimeZone->addItem(modelText(name));
    }
    selectItem(TimeZone, record->TimeZoneIndex);
    CheckDST->setChecked(record->EnableDST != 0);
    selectItem(ScreenRot, record->Rotation);
    Timer1Timer();
}

void TFormConfig::StoreToParams(MainParams* record) {
    if (record == nullptr) {
        return;
    }
    record->ShowText = flagOf(CheckText);
    // The box holds the field's bytes shown one to one, so they always convert back.
    setText(record->ScrollText, utf8ToCp1252(EditText->text().toStdString())
                                    .value_or(std::string(textOf(m_loaded.ScrollText))));
    record->Scroll = flagOf(ScrollOn);
    record->ShowDate = flagOf(ShowDate);
    record->ShowTime = flagOf(ShowTime);
    record->TextColor = indexOr(FontColor, m_loaded.TextColor);
    record->BackColor = indexOr(BackColor, m_loaded.BackColor);
    record->TimeZoneIndex = indexOr(TimeZone, m_loaded.TimeZoneIndex);
    record->EnableDST = flagOf(CheckDST);
    const QPoint logo =
        m_logoMoved ? storedPositionOf(Logo) : QPoint(m_loaded.xLogo, m_loaded.yLogo);
    record->xLogo = static_cast<std::int16_t>(logo.x());
    record->yLogo = static_cast<std::int16_t>(logo.y());
    const QPoint clock =
        m_clockMoved ? storedPositionOf(LabelClock) : QPoint(m_loaded.xClock, m_loaded.yClock);
    record->xClock = static_cast<std::int16_t>(clock.x());
    record->yClock = static_cast<std::int16_t>(clock.y());
    if (m_logoName == m_loadedLogoName) {
        // The file's own text, in whatever form an older editor or a hand wrote it.
        record->FileLogo = m_loaded.FileLogo;
    } else {
        setText(record->FileLogo, m_logoName.empty() ? std::string() : "/" + m_logoName);
    }
    record->Rotation = indexOr(ScreenRot, m_loaded.Rotation);
}

QPoint TFormConfig::storedPositionOf(const QWidget* control) const {
    return {storedPosition(control->x(), Shape1->x()), storedPosition(control->y(), Shape1->y())};
}

void TFormConfig::SetLogo(std::string_view path, int x, int y) {
    m_logoName = bareLogoName(path);
    Logo->clear();
    Logo->hide();
    const QString file = localFileName(m_sequenceFolder(), m_logoName);
    if (!QFileInfo(file).isFile()) {
        return;
    }
    const PicturePreview picture = halfSizePicture(file);
    if (!picture.error.isEmpty()) {
        showLogoProblem(tr("The logo cannot be shown on the preview. %1").arg(picture.error));
        return;
    }
    if (picture.image.isNull()) {
        return;
    }
    Logo->resize(picture.image.size());
    Logo->setPixmap(QPixmap::fromImage(picture.image));
    Logo->move(Shape1->x() + x, Shape1->y() + y);
    Logo->show();
}

void TFormConfig::showLogoProblem(const QString& message) {
    m_messages.showError(isVisible() ? this : parentWidget(), message);
}

void TFormConfig::SetPreviewRotation(int rotation) {
    Shape1->setGeometry(previewRect(rotation));
}

void TFormConfig::KeepInsidePreview(QWidget* control) {
    moveItem(control, keptInside(control->geometry(), Shape1->geometry()));
}

void TFormConfig::moveItem(QWidget* control, QPoint topLeft) {
    if (control->pos() == topLeft) {
        return;
    }
    control->move(topLeft);
    (control == Logo ? m_logoMoved : m_clockMoved) = true;
}

void TFormConfig::ButtonOKClick() {
    StoreToParams(EditedParams);
    accept();
}

void TFormConfig::reject() {
    if (EditedParams != nullptr) {
        *EditedParams = m_loaded;
    }
    m_logoName = m_loadedLogoName;
    QDialog::reject();
}

void TFormConfig::OnConfigChange() {
    StoreToParams(EditedParams);
    Timer1Timer();
}

void TFormConfig::FontColorChange() {
    QPalette colours = LabelClock->palette();
    colours.setColor(QPalette::WindowText,
                     previewColor(FontColor->currentIndex(), palette().color(QPalette::Window),
                                  palette().color(QPalette::WindowText)));
    LabelClock->setPalette(colours);
}

void TFormConfig::BackColorChange() {
    QPalette colours = LabelClock->palette();
    colours.setColor(QPalette::Window,
                     previewColor(BackColor->currentIndex(), palette().color(QPalette::Window),
                                  palette().color(QPalette::Window)));
    LabelClock->setPalette(colours);
}

void TFormConfig::ScreenRotChange() {
    SetPreviewRotation(ScreenRot->currentIndex());
    KeepInsidePreview(Logo);
    KeepInsidePreview(LabelClock);
}

void TFormConfig::Shape1DragOver(QWidget* control, QPoint pointer) {
    moveItem(control, Shape1->pos() + pointer);
    KeepInsidePreview(control);
}

void TFormConfig::dragItem(QWidget* control, QPoint globalPointer) {
    const QPoint pointer = Shape1->mapFromGlobal(globalPointer);
    if (Shape1->rect().contains(pointer)) {
        Shape1DragOver(control, pointer);
    }
}

void TFormConfig::nudgeItem(QWidget* control, QPoint step) {
    moveItem(control, control->pos() + step);
    KeepInsidePreview(control);
}

void TFormConfig::removeLogo() {
    Logo->clear();
    Logo->hide();
    m_logoName.clear();
}

void TFormConfig::LoadLogoClick() {
    const auto chosen = m_choosers.chooseExistingFile(
        this, m_sequenceFolder(), tr("JPEG Files (*.jpg *.JPG *.jpeg *.JPEG);;All Files (*)"));
    if (!chosen) {
        return;
    }
    const QFileInfo file(*chosen);
    QString why;
    const std::string name = chosenLogoName(file.fileName(), why);
    if (name.empty()) {
        showLogoProblem(tr("\"%1\" cannot be the logo. %2").arg(file.fileName(), why));
        return;
    }
    SetLogo(name, 0, 0);
    m_logoMoved = true;
    if (!QFileInfo(localFileName(m_sequenceFolder(), name)).isFile()) {
        showLogoProblem(tr("The player looks for the logo in the sequence folder, and \"%1\" is "
                           "not there. Copy it into %2 to see it on the preview and on the "
                           "player.")
                            .arg(file.fileName(), m_sequenceFolder()));
    }
}

void TFormConfig::DeleteLogoClick() {
    removeLogo();
}

void TFormConfig::Timer1Timer() {
    QString text;
    if (EditedParams != nullptr && EditedParams->ShowDate == 1) {
        text = modelText(formatDate(regional(), clock().today()));
    }
    if (EditedParams != nullptr && EditedParams->ShowTime == 1) {
        if (!text.isEmpty()) {
            text += QLatin1Char(' ');
        }
        text += modelText(formatTime(regional(), clock().timeOfDay()));
    }
    if (LabelClock->text() != text) {
        LabelClock->setText(text);
        LabelClock->adjustSize();
    }
}

} // namespace orvex
