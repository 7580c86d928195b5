#pragma once
// Fonts from the program's stored font records: the record's face, height, weight, slant,
// underline and character set as a FontSpec for drawing, and a font chosen in the font dialog
// back into a record. A face the system lacks is replaced by its closest match when drawing; a
// record with the symbol character set shows its byte codes as Greek and mathematical
// characters.

#include "kernel/font_records.h"
#include "platform/drawing_types.h"
#include "platform/modal_responder.h"

namespace platform {

// The vertical dots per inch of the primary screen (96 when there is none).
int ScreenDpiY();

FontSpec FontSpecFromRecord(const kernel::FontRecord& record);

// Puts the chosen face, height, weight, slant, underline and strike-out into the record; the
// character set and the record's other fields stay.
void StoreFontChoice(kernel::FontRecord& record, const FontChoice& choice);

}  // namespace platform
