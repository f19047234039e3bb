#pragma once

#include "model/store.h"
#include "windows/sequence_files/sequence_window.h"

#include <QWidget>
#include <optional>

namespace orvex::testing {

// A main window reduced to what saving and loading use: its loop list is the store's loops.
class FakeSequenceWindow final : public SequenceWindow {
public:
    static constexpr const char* kCaptionPrefix = "Orvex Sequence Editor v1.1 : ";

    explicit FakeSequenceWindow(const LoopTable& table) : m_table(table) {}

    QWidget window;
    int rows = 0;
    int refreshes = 0;
    std::optional<int> selectedRow;
    std::optional<std::uint16_t> nextLoopNumber;

    QWidget* widget() override { return &window; }
    const QString& sequenceFolder() const override { return m_folder; }
    void SetSequenceFolder(const QString& folder) override {
        m_folder = folder;
        window.setWindowTitle(QString::fromLatin1(kCaptionPrefix) + folder + QStringLiteral("[*]"));
    }
    void RefreshLoopList() override {
        rows = GetLoopCount(m_table);
        selectedRow.reset();
        ++refreshes;
    }
    int loopRowCount() const override { return rows; }
    void selectLoopRow(int row) override { selectedRow = row; }
    void setNextLoopNumber(std::uint16_t number) override { nextLoopNumber = number; }

private:
    const LoopTable& m_table;
    QString m_folder;
};

} // namespace orvex::testing
