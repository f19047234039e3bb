#pragma once

#include "model/records.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace orvex {

class Choosers;
class ErrorMessages;
class PreviewItem;

// The general display settings of a sequence, with the logo and the clock placed on a
// half-scale preview of the player's screen.
class TFormConfig : public QDialog {
    Q_OBJECT
public:
    // The choosers and messages outlive the dialog; `sequenceFolder` gives the folder, ending
    // in "/", that holds the logo.
    TFormConfig(Choosers& choosers, ErrorMessages& messages,
                std::function<QString()> sequenceFolder, QWidget* parent = nullptr);

    // Shows `record` in the controls and makes it the one the dialog stores into. A record
    // the dialog shows is left as it was unless OK is chosen.
    void LoadFromParams(MainParams* record);
    // Writes the controls into `record`; none stores nothing. A field whose control the user
    // has not touched since the load keeps the value it was loaded with, even one no control
    // can show.
    void StoreToParams(MainParams* record);
    // Takes the logo's bare name from `path` (Windows-1252) and shows the picture of that name
    // in the sequence folder at preview offset (x, y), if there is one that can be shown.
    void SetLogo(std::string_view path, int x, int y);
    void SetPreviewRotation(int rotation);
    void KeepInsidePreview(QWidget* control);

    // The bare name the logo is stored by, Windows-1252; empty for none.
    const std::string& logoName() const { return m_logoName; }

    void ButtonOKClick();
    void OnConfigChange();
    void FontColorChange();
    void BackColorChange();
    void ScreenRotChange();
    // The logo or the clock dragged with the pointer at `pointer`, relative to the preview.
    void Shape1DragOver(QWidget* control, QPoint pointer);
    void LoadLogoClick();
    void DeleteLogoClick();
    void Timer1Timer();

public slots:
    // Escape and the close box put the record back as it was loaded.
    void reject() override;

protected:
    // The captions may have changed language while the dialog was hidden.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void buildControls();
    void buildPreview(QWidget* canvas);
    void connectControls();
    void removeLogo();
    void moveItem(QWidget* control, QPoint topLeft);
    void dragItem(QWidget* control, QPoint globalPointer);
    void nudgeItem(QWidget* control, QPoint step);
    void showLogoProblem(const QString& message);
    QPoint storedPositionOf(const QWidget* control) const;

    Choosers& m_choosers;
    ErrorMessages& m_messages;
    std::function<QString()> m_sequenceFolder;

    MainParams* EditedParams = nullptr;
    // The record as it was loaded, for Escape and for the fields the user leaves alone.
    MainParams m_loaded{};
    std::string m_logoName;
    std::string m_loadedLogoName;
    bool m_logoMoved = false;
    bool m_clockMoved = false;

    QLabel* Label2 = nullptr;
    QComboBox* FontColor = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* BackColor = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* TimeZone = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* ScreenRot = nullptr;
    QCheckBox* ShowDate = nullptr;
    QCheckBox* ShowTime = nullptr;
    QCheckBox* CheckDST = nullptr;
    QPushButton* LoadLogo = nullptr;
    QPushButton* DeleteLogo = nullptr;
    QWidget* m_canvas = nullptr;
    QFrame* Shape1 = nullptr;
    PreviewItem* Logo = nullptr;
    PreviewItem* LabelClock = nullptr;
    QCheckBox* CheckText = nullptr;
    QLineEdit* EditText = nullptr;
    QCheckBox* ScrollOn = nullptr;
    QPushButton* ButtonOK = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace orvex
