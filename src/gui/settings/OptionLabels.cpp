#include "gui/settings/OptionLabels.h"

#include "core/settings/OptionalFeatures.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/settings/ProductInfoDlg.h"
#include "gui/shell/ResourceText.h"

QString RadioOptionLabel(std::size_t option) {
  constexpr std::size_t kModel = kOptionListCount;  // then the band
  if (option < kModel) return ResourceText(DialogLabelKey(Res::kDlgOptions, kOptionRows[option].controlId));
  return ResourceText(
      DialogLabelKey(Res::kDlgProduct, option == kModel ? CProductInfoDlg::kModelList : CProductInfoDlg::kBandList));
}
