#include "settings/OptionLabels.h"

#include "app/ResourceIds.h"
#include "app/ResourceTable.h"
#include "app/ResourceText.h"
#include "settings/OptionalFeatures.h"
#include "settings/OptionalFeaturesDlg.h"
#include "settings/ProductInfoDlg.h"

QString RadioOptionLabel(std::size_t option) {
  constexpr std::size_t kModel = kOptionListCount;  // then the band
  if (option < kModel)
    return ResourceText(
        DialogLabelKey(Res::kDlgOptions, COptionalFeaturesDlg::ControlIdOf(static_cast<OptionList>(option))));
  return ResourceText(
      DialogLabelKey(Res::kDlgProduct, option == kModel ? CProductInfoDlg::kModelList : CProductInfoDlg::kBandList));
}
