#include "icons/reporting/CEmailSheet.h"

#include "icons/reporting/CEmailAttachPage.h"
#include "icons/reporting/CEmailMsgPage.h"
#include "icons/reporting/CTagPickerPage.h"

#include <memory>

namespace corvane {

CEmailSheet::CEmailSheet()
    : PropertySheet(""),
      message_(AddPage(std::make_unique<CEmailMsgPage>())),
      attach_(AddPage(std::make_unique<CEmailAttachPage>())),
      picker_(AddPage(std::make_unique<CTagPickerPage>()))
{}

CEmailSheet::~CEmailSheet() = default;

}  // namespace corvane
