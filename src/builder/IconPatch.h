#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Swaps the template's icon image: the default icon's data (its file from
// IconFile::kDataOffset on) is
// replaced, wherever it occurs at an even offset, by the chosen icon's data padded with zero
// bytes to the same length, so the template keeps its length.
class IconPatch {
public:
    enum class Outcome {
        Replaced,
        DefaultIconTooShort,  // no data from byte 28 on
        ChosenIconTooShort,
        ChosenIconTooLarge,   // its data would not fit in the default's place
        DefaultIconNotFound,  // the template does not carry the default icon
    };

    // On any outcome but Replaced the template is unchanged. `replaced` receives the number of
    // occurrences replaced.
    static Outcome apply(QByteArray& templateBytes, QByteArrayView defaultIcon,
                         QByteArrayView chosenIcon, int* replaced = nullptr);
};
