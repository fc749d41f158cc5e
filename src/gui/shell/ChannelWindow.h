#pragma once
// The channel window as the dialogs of other windows see it: its document,
// the band its frequencies are checked against, the table as it shows it
// (edits not yet stored in the image included), and the radio type and band
// it shows.
#include "core/radio/ChannelTable.h"

class CProgramDoc;
struct BandLimits;
struct ProductTexts;

class CChannelWindow {
 public:
  virtual CProgramDoc* GetDocument() const = 0;
  virtual const BandLimits& GetBandLimits() const = 0;
  virtual ChannelTable Table() const = 0;
  // The main window's caption and the band limits for a type and band.
  virtual void ShowProduct(const ProductTexts& product) = 0;

 protected:
  ~CChannelWindow() = default;
};
