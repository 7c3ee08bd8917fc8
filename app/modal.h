// ModalOpen's one owner. Whoever opens a dialog, a message box or the CSV
// export holds a ModalScope for as long as it is open: the popup menu is
// refused meanwhile, and a box that a dialog's save shows has no menu over it.
#pragma once
#include "app/interaction.h"

struct ModalScope {
    ModalScope() { ModalOpen = 1; }
    ~ModalScope() { ModalOpen = 0; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};
