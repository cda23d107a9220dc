// The minutes box refuses, when the focus is about to leave it, any text that does not convert
// to a whole number from 1 to 2147483647; the box keeps the focus and its text.
#include "app/main_window.h"
#include "text/minutes_conversion.h"
#include "text/texts.h"

namespace duskfall {

void Form1::TxtCount_Validate(bool& cancel) {
  const ConversionResult result = ConvertToInt32(c_.TxtCount->Text(), s_.system.DecimalSeparator());
  switch (result.error) {
    case ConversionError::kNone:
      if (result.value < 1) {
        MainBox(TextId::kMsgBelowOne, kMbIconInformation);
        cancel = true;
      }
      return;
    case ConversionError::kNotANumber:
      MainBox(TextId::kMsgWrongType, kMbIconInformation);
      cancel = true;
      return;
    case ConversionError::kOutOfRange:
      MainBox(TextId::kMsgTooLarge, kMbIconInformation);
      cancel = true;
      return;
    case ConversionError::kNoLocale:
      break;
  }
  // Nothing the user typed can be blamed: say so and let the focus move on.
  MainBox(TextId::kMsgUnknownError, kMbIconHand);
}

}  // namespace duskfall
