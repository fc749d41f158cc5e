#pragma once
// The view inside the channel window. It holds the document's channel table
// (the table itself is built by the channel editor) and the commands that
// act on the open document through it: here, the Language command.
#include <QWidget>

#include "app/LanguageDlg.h"
#include "editor/ComSetupDlg.h"

class CProgramDoc;

class CProgramView : public QWidget {
  Q_OBJECT
 public:
  CProgramView(CProgramDoc* doc, QWidget* parent);

  CProgramDoc* GetDocument() const { return m_pDoc; }

  // Called once the view and its document exist, and again after a new
  // document or an open.
  void OnInitialUpdate();

  // The commands the view answers; false for any other id.
  bool HandlesCommand(int command) const;
  bool OnCommand(int command);

  void OnLanguage();

  // The size of the form template the view lays out.
  QSize FormSize() const;

  CLanguageDlg m_dlgLanguage;
  CComSetupDlg m_dlgComSetup;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CProgramDoc* m_pDoc;
};
