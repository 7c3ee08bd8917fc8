#include "app/board_keys.h"

#include "app/board_input.h"
#include "app/interaction.h"
#include "store/records.h"

namespace {

BoardKeyAction SetSpan(int32_t span) {
    ChartSpan = span;
    ScrollBack = 0;
    return kKeyRepaint;
}

// Without a read-out on show the chart shows the newest entries, whatever
// ScrollBack an earlier read-out left behind: those are the entries in view.
BoardKeyAction ShowReadoutAt(int32_t column) {
    if (Settings.weightdatalen < 1)
        return kKeyIgnored;
    if (PaintedHoverX == kNoReadoutColumn)
        ScrollBack = 0;
    HoverX = column;
    HoverActive = 1;
    return kKeyRepaint;
}

} // namespace

BoardKeyAction PressBoardKey(uint32_t key) {
    if (StepReadout(key))
        return kKeyRepaint;
    switch (key) {
    case kKeyReturn:
        if (ModalOpen != 0)
            return kKeyIgnored;
        DragCountdown = 0;
        return kKeyWeightEntry;
    case kKeyAdd:
    case kKeyOemPlus:
        return SetSpan(NarrowerSpan(ChartSpan));
    case kKeySubtract:
    case kKeyOemMinus:
        return SetSpan(WiderSpan(ChartSpan));
    case kKeyHome:
        return ShowReadoutAt(0);
    case kKeyEnd:
        return ShowReadoutAt(255);
    case kKeyEscape:
        // The chart goes back to the newest entries, as a paint without the
        // read-out draws it anyway.
        HoverActive = 0;
        ScrollBack = 0;
        return kKeyRepaint;
    default:
        return kKeyIgnored;
    }
}

int KeyboardMenuWanted(uint32_t lParam) {
    return lParam == 0xFFFFFFFFu && ModalOpen == 0;
}
