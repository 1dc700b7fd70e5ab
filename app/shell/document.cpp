#include "app/shell/document.h"

namespace vnk::app {

void CVarno3Doc::clearForNewData() {
    data_.clearDescriptors(options_);
    data_.clearTbfEntries();
    steps.clear();
    import.reset();
    importSource.clear();
}

void CVarno3Doc::deriveDescriptors() {
    // Deriving from no entries would read the cleared first entry and leave a history of -1.
    if (data_.tbfCount > 0) data_.deriveDescriptors();
}

}  // namespace vnk::app
