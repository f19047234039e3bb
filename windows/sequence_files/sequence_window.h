#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace orvex {

// What saving and loading need of the main window. The signatures are the main window's own, so
// that it can implement this by naming it as a base.
class SequenceWindow {
public:
    virtual ~SequenceWindow() = default;

    // The window whose title carries the modified marker "[*]"; the parent of every message.
    virtual QWidget* widget() = 0;
    // Always ends in "/".
    virtual const QString& sequenceFolder() const = 0;
    // Also sets the title, which must end in Qt's modified marker "[*]".
    virtual void SetSequenceFolder(const QString& folder) = 0;
    // Rebuilds the loop list from the store.
    virtual void RefreshLoopList() = 0;
    virtual int loopRowCount() const = 0;
    // Selects a row, which shows that loop's properties and images.
    virtual void selectLoopRow(int row) = 0;
    virtual void setNextLoopNumber(std::uint16_t number) = 0;
};

} // namespace orvex
