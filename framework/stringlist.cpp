#include "framework/stringlist.h"

const std::string& TStringList::Strings(int index) const {
    if (index < 0 || index >= Count()) {
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return items_[static_cast<std::size_t>(index)];
}

void TStringList::Assign(const TStringList* source) {
    if (source == nullptr) {
        throw EConvertError("Cannot assign a nil to a TStringList");
    }
    items_ = source->items_;
}
