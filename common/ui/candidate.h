#pragma once
// An adviser candidate taken into a window's inputs.
#include <QString>

namespace fb::ui {

// The candidate's core, material and gap; the gap is a length, so the AL-law mode goes off.
template <class Input>
void TakeCandidate(Input& in, const QString& core, const QString& material, const QString& gapText) {
    in.yes_al = 0;
    in.zazor = gapText.toStdString();
    in.core = core.toStdString();
    in.mater = material.toStdString();
}

}  // namespace fb::ui
