#pragma once

#include "model/records.h"

#include <QString>
#include <QWidget>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace orvex {

class Choosers;
class TFormAddImage;
class TFormConfig;
class TFormShowSeq;

// The windows the main window hands over to; they live as long as it does.
struct EditorWindows {
    TFormAddImage* addImage = nullptr;
    TFormConfig* config = nullptr;
    TFormShowSeq* showSeq = nullptr;
};

class TFormImageLoop : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kCaptionPrefix = "Orvex Sequence Editor v1.1 : ";

    // The sequence and the choosers outlive the window.
    TFormImageLoop(Sequence& sequence, Choosers& choosers, QWidget* parent = nullptr);

    void attachWindows(const EditorWindows& windows);

    const QString& sequenceFolder() const { return m_sequenceFolder; }
    void SetSequenceFolder(const QString& folder);

    void ButtonNewClick();
    void ButtonConfigClick();
    void ButtonShowSchedClick();
    void ButtonExitClick();

private:
    void buildTopRow();
    void buildGroups();
    void buildBottomRow();
    void clearSequence();

    Sequence& m_sequence;
    Choosers& m_choosers;
    EditorWindows m_windows;
    QString m_sequenceFolder;

    QPushButton* ButtonNew = nullptr;
    QPushButton* ButtonLoad = nullptr;
    QPushButton* ButtonSave = nullptr;
    QPushButton* ButtonConfig = nullptr;
    QComboBox* Lang = nullptr;
    QLabel* Image1 = nullptr;
    QGroupBox* LoopListBox = nullptr;
    QGroupBox* LoopGroupBox = nullptr;
    QGroupBox* ImageListGroupBox = nullptr;
    QPushButton* ButtonExit = nullptr;
    QPushButton* ButtonShowSched = nullptr;
    QPushButton* Copy2SD = nullptr;
};

} // namespace orvex
