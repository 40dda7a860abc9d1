#pragma once

#include "folderlisting.h"

#include <QString>

// What a selection window's status line says of a folder it lists: why it cannot be read, or
// that some names cannot be used until renamed; "" when all is well.
inline QString listingProblem(const FolderListing& listing) {
    if (!listing.error.isEmpty())
        return QStringLiteral("This folder cannot be read: %1").arg(listing.error);
    if (!listing.unusable.isEmpty())
        return QStringLiteral("%1 name(s) here are not valid UTF-8 and cannot be used until "
                              "renamed.")
            .arg(listing.unusable.size());
    return {};
}

inline QString unusableMark() {
    return QStringLiteral("  (rename me)");
}

inline QString unusableTip() {
    return QStringLiteral("This name is not valid UTF-8: rename it to use it.");
}
