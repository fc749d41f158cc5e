#pragma once
// The channel window. Closing it only hides it: the document stays open and
// the Channel Information command shows it again.
#include <QMdiSubWindow>
#include <memory>

class CProgramDoc;
class CProgramView;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  // Takes the document; the view is created for it.
  explicit CChildFrame(std::unique_ptr<CProgramDoc> doc, QWidget* parent = nullptr);
  ~CChildFrame() override;

  CProgramDoc* Document() const { return m_pDoc.get(); }
  CProgramView* View() const { return m_pView; }
  void UpdateTitle();
  // Shows the window, a hidden or minimized one too, as the active one.
  void ShowAndActivate();

 signals:
  // Each change of the document, and its end by a save: `modified` then false.
  void DocumentChanged(bool modified);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<CProgramDoc> m_pDoc;
  CProgramView* m_pView;
};
