#pragma once
// Creates a document together with its channel window and view, for a new
// document or one opened from a data file.
#include <functional>
#include <string>

class QMdiArea;
class CChildFrame;

class CDocTemplate {
 public:
  explicit CDocTemplate(QMdiArea* area) : m_pArea(area) {}

  // A new document from "Default.dat" or the built-in defaults.
  CChildFrame* NewDocument();

  // How a file becomes a document: as itself, or as a copy (a new,
  // untitled document holding its image, which no save writes back).
  enum class OpenAs { File, Copy };

  // nullptr when the file could not be opened; the user has been told why
  // (a short file fails without a word, unless `reportShortFile`) and no
  // window changed. On success `previous` (the window that was active) is
  // hidden. `path` is the file's name as bytes, never passed through a text.
  CChildFrame* OpenDocumentFile(const std::string& path, CChildFrame* previous, bool reportShortFile = false,
                                OpenAs as = OpenAs::File);

  // Told each channel window made, once it shows its document.
  void SetFrameAddedHandler(std::function<void(CChildFrame*)> handler) { m_onFrameAdded = std::move(handler); }

 private:
  CChildFrame* AddFrame(CChildFrame* frame);
  QMdiArea* m_pArea;
  std::function<void(CChildFrame*)> m_onFrameAdded;
};
