#pragma once
// What differs between the open document and a data file: the channels side
// by side as the channel table shows them, the options by name, and every
// other differing byte as an address range with both sides in hex. The
// cells that differ are marked on both sides.
#include <QDialog>

struct ImageComparison;
class QKeyEvent;
class QTableWidget;

class CCompareDlg : public QDialog {
  Q_OBJECT
 public:
  // `path` is the file compared with, named above its side.
  CCompareDlg(QWidget* parent, const ImageComparison& differences, const QString& path);

  // One table per part that differs; nullptr for a part that does not. The
  // channel table's first row names the two sides.
  QTableWidget* Channels() const { return m_pChannels; }
  QTableWidget* Options() const { return m_pOptions; }
  QTableWidget* Bytes() const { return m_pBytes; }

 protected:
  // F1: the help topic of Compare With.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTableWidget* m_pChannels = nullptr;
  QTableWidget* m_pOptions = nullptr;
  QTableWidget* m_pBytes = nullptr;
};
