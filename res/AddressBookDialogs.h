#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// The e-mail address book editor, the entry of a new address, and the
// selection of To and From addresses from the book.
extern const DialogTemplate kAddressBookDialog;
extern const DialogTemplate kAddAddressToBookDialog;
extern const DialogTemplate kAddressSelectionDialog;

}  // namespace corvane::res
