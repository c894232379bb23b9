#include "ui/PlayerDialog.h"

#include "ui/Module.h"
#include "settings/SettingsKeys.h"
#include "ui/AboutDialog.h"
#include "ui/BarLayout.h"
#include "ui/DialogProcedure.h"
#include "ui/DisplayScale.h"
#include "ui/DroppedFiles.h"
#include "ui/FolderChooser.h"
#include "ui/HexColor.h"
#include "ui/ListMenu.h"
#include "ui/MainMenu.h"
#include "ui/Reflection.h"
#include "ui/WindowPlacement.h"

namespace {
// Long enough for a few tries of unplayable files, short enough that a click
// between two slices is answered at once.
constexpr std::chrono::milliseconds advanceSlice{30};
constexpr UINT_PTR searchTimer = 1;
// The track label shows the volume level this long after the last notch.
constexpr UINT_PTR volumeTimer = 2;
constexpr UINT volumeShownFor = 1500;

std::string loadString(UINT id) {
  char text[256];
  const int length = LoadStringA(Module::instance(), id, text, sizeof text);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// A control's text as the template gave it.
std::string loadWindowText(HWND control) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, &text[0], static_cast<int>(text.size()))));
  return text;
}

HICON loadIcon(int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageA(Module::instance(), MAKEINTRESOURCEA(IDI_PLAYER), IMAGE_ICON,
                                       GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric),
                                       LR_DEFAULTCOLOR));
}
}  // namespace

PlayerDialog::~PlayerDialog() {
  if (dialog) {
    SingleInstance::unmarkBar(dialog);
    DestroyWindow(dialog);
  }
  pictures.destroyFaceListOtherThan(playButton.imageList());
  if (bigIcon) DestroyIcon(bigIcon);
  if (smallIcon) DestroyIcon(smallIcon);
}

bool PlayerDialog::create() {
  PendingDialogs::expect(this);
  HWND created = CreateDialogParamA(Module::instance(), MAKEINTRESOURCEA(templateId), nullptr,
                                    &dialogProcedure<PlayerDialog>, 0);
  PendingDialogs::withdraw(this);
  return created != nullptr;
}

LRESULT PlayerDialog::onInitDialog(const WindowMessage&) {
  centerWindow(dialog);
  setIcons();
  if (MessageLoop* loop = MessageLoop::current()) loop->addMessageFilter(*this);
  const GraphNotifyTarget notifyTarget{reinterpret_cast<std::uintptr_t>(dialog), WM_GRAPHNOTIFY};
  player = std::make_unique<Player>(engines.graph, *this, notifyTarget);
  player->setDefaultGroupLabel(loadString(IDS_DEFAULT_GROUP_NAME));
  player->setAdvanceSlice(advanceSlice, [this] { SetTimer(dialog, searchTimer, USER_TIMER_MINIMUM, nullptr); });
  player->startUp(settings_keys::fileName, *this);
  mediaKeys.registerFor(dialog);
  return TRUE;
}

LRESULT PlayerDialog::onTimer(const WindowMessage& m) {
  if (m.wParam == volumeTimer) {
    KillTimer(dialog, volumeTimer);
    showTrackName();
    return 0;
  }
  if (m.wParam != searchTimer) return 0;
  // One slice per tick: the slice asks for the next one while the search goes on.
  KillTimer(dialog, searchTimer);
  if (player) player->continueAdvance();
  return 0;
}

void PlayerDialog::setIcons() {
  bigIcon = loadIcon(SM_CXICON, SM_CYICON);
  SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  smallIcon = loadIcon(SM_CXSMICON, SM_CYSMICON);
  SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void PlayerDialog::prepareWindow() {
  labelTextColor = labelColorFromText(loadString(IDS_LABEL_TEXT_COLOR));
  bindSkinButtons();
  bindLabel(trackLabel, IDC_TRACK_MENU, pictures.trackLabelBitmap);
  trackName = loadWindowText(control(IDC_TRACK_MENU));
  bindLabel(groupLabel, IDC_GROUP_MENU, pictures.groupLabelBitmap);

  layered.load();
  if (player->state().transparent) layered.apply(dialog, true);

  DisplayScale::keepOwnLayout(dialog);
  showAtScale(DisplayScale::ofWindow(dialog));
}

void PlayerDialog::showAtScale(UINT dpi) {
  const struct {
    SkinButton& button;
    int bitmapId;
    int controlId;
  } strips[] = {
      {exitButton, IDB_EXIT, IDOK},
      {nextButton, IDB_NEXT, IDC_NEXT},
      {cueButton, IDB_CUE, IDC_CUE},
      {prevButton, IDB_PREV, IDC_PREV},
  };
  for (const auto& strip : strips) {
    HIMAGELIST previous = strip.button.setImageList(PlayerPictures::loadStrip(strip.bitmapId, strip.controlId, dpi));
    if (previous) ImageList_Destroy(previous);
  }
  // The play button holds one of the two face lists: it lets go of it only once it holds a new one.
  HIMAGELIST heldFace = playButton.imageList();
  pictures.loadFaces(dpi, heldFace);
  playButton.setImageList(showingStopFace ? pictures.stopFaceImages : pictures.playFaceImages);
  if (heldFace) ImageList_Destroy(heldFace);

  pictures.loadBitmaps(dpi);
  trackLabel.setDpi(dpi);
  groupLabel.setDpi(dpi);
  const SIZE bar = BarLayout::barSize(dpi);
  resizeClientArea(dialog, bar.cx, bar.cy);
  BarLayout::placeControls(dialog, dpi);
  pictures.createPalette(dialog);
  InvalidateRect(dialog, nullptr, TRUE);
}

LRESULT PlayerDialog::onDpiChanged(const WindowMessage& m) {
  // The system suggests where the bar keeps its place on the new monitor at its new size.
  if (const auto* suggested = reinterpret_cast<const RECT*>(m.lParam)) {
    SetWindowPos(dialog, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const UINT dpi = LOWORD(m.wParam);
  showAtScale(dpi ? dpi : DisplayScale::ofWindow(dialog));
  keepInsideWorkArea(dialog);
  return 0;
}

void PlayerDialog::bindSkinButtons() {
  struct Binding {
    SkinButton& button;
    int controlId;
    UINT tipText;
  };
  const Binding bindings[] = {
      {playButton, IDC_PLAY, IDS_TIP_PLAY},
      {exitButton, IDOK, IDS_TIP_EXIT},
      {nextButton, IDC_NEXT, IDS_TIP_NEXT},
      {cueButton, IDC_CUE, IDS_TIP_CUE},
      {prevButton, IDC_PREV, IDS_TIP_PREV},
  };
  for (const Binding& b : bindings) {
    b.button.attach(control(b.controlId));
    b.button.setImages(SkinButton::normal, SkinButton::pressedState, SkinButton::hover, SkinButton::disabled);
    b.button.setToolTipText(loadString(b.tipText));
    b.button.setStyle(SkinButton::hoverMode);
  }
}

void PlayerDialog::bindLabel(LabelButton& label, int controlId, const HBITMAP& bitmap) {
  label.attach(control(controlId));
  label.setTextColor(labelTextColor);
  label.setBitmap(bitmap);
}

void PlayerDialog::applyTopMost() { applyTopMost(player->state().topMost); }

void PlayerDialog::applyTopMost(bool on) {
  RECT client{};
  GetClientRect(dialog, &client);
  SetWindowPos(dialog, on ? HWND_TOPMOST : HWND_NOTOPMOST, client.left, client.top, client.right, client.bottom,
               SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

bool PlayerDialog::preTranslate(MSG& message) { return dialog && IsDialogMessageA(dialog, &message); }

void PlayerDialog::onExit(const WindowMessage& m) {
  if (!player) return;
  const int exitCode = m.commandId();
  // From here a later start waits for the claim instead of calling a bar that goes.
  SingleInstance::unmarkBar(dialog);
  player->shutDown(settings_keys::fileName, [this, exitCode] {
    mediaKeys.release();
    layered.release();
    DestroyWindow(dialog);
    PostQuitMessage(exitCode);
  });
}

LRESULT PlayerDialog::onComeForward(const WindowMessage&) {
  // Asked by a later start, which lent this process the right to come to the front.
  if (IsIconic(dialog)) ShowWindow(dialog, SW_RESTORE);
  SetForegroundWindow(dialog);
  return 0;
}

LRESULT PlayerDialog::onEndSession(const WindowMessage& m) {
  // The session ends without the exit button: keep what the exit button would have saved.
  if (m.wParam && player) player->saveSettings(settings_keys::fileName);
  return 0;
}

bool PlayerDialog::onScreensChanged(const WindowMessage& m, LRESULT&) {
  if (m.id == WM_DISPLAYCHANGE || (m.id == WM_SETTINGCHANGE && m.wParam == SPI_SETWORKAREA)) {
    keepInsideWorkArea(dialog);
  }
  return false;
}

LRESULT PlayerDialog::onGraphNotify(const WindowMessage&) {
  if (player) player->onGraphNotify();
  return 0;
}

LRESULT PlayerDialog::onBackgroundPressed(const WindowMessage&) {
  // The platform's own move loop, as if the caption were dragged.
  ReleaseCapture();
  SendMessageA(dialog, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  return 0;
}

bool PlayerDialog::reflectToControl(const WindowMessage& m, LRESULT& result) {
  return isReflectable(m.id) && reflectNotification(dialog, m, result);
}

LRESULT PlayerDialog::onPaint(const WindowMessage&) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(dialog, &ps);
  if (dc) {
    RECT client{};
    GetClientRect(dialog, &client);
    pictures.paintBackground(dc, client);
  }
  EndPaint(dialog, &ps);
  return 0;
}

void PlayerDialog::onTopMost(const WindowMessage&) {
  if (!player) return;
  player->toggleTopMost();
  applyTopMost(player->state().topMost);
}

void PlayerDialog::onTransparent(const WindowMessage&) {
  if (!player) return;
  player->toggleTransparent();
  layered.apply(dialog, player->state().transparent);
}

void PlayerDialog::setPlayButtonFace(PlayButtonFace face) {
  const bool play = face == PlayButtonFace::Play;
  showingStopFace = !play;
  playButton.setImageList(play ? pictures.playFaceImages : pictures.stopFaceImages);
  playButton.setToolTipText(loadString(play ? IDS_TIP_PLAY : IDS_TIP_STOP));
  RedrawWindow(playButton.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void PlayerDialog::setPlayButtonEnabled(bool enabled) { EnableWindow(control(IDC_PLAY), enabled); }

void PlayerDialog::setTrackLabelText(const std::string& text) {
  trackName = text;
  if (!showingVolume) showTrackName();
}

LRESULT PlayerDialog::onMouseWheel(const WindowMessage& m) {
  if (!player) return 0;
  wheelDelta += GET_WHEEL_DELTA_WPARAM(m.wParam);
  const int notches = wheelDelta / WHEEL_DELTA;
  wheelDelta %= WHEEL_DELTA;
  if (notches == 0) return 0;
  player->stepVolume(notches);
  showVolume();
  return 0;
}

void PlayerDialog::showVolume() {
  showingVolume = true;
  trackLabel.setText(loadString(IDS_VOLUME_LABEL) + " " + std::to_string(player->state().volume));
  SetTimer(dialog, volumeTimer, volumeShownFor, nullptr);
}

void PlayerDialog::showTrackName() {
  showingVolume = false;
  trackLabel.setText(trackName);
}

void PlayerDialog::setGroupLabelText(const std::string& text) { groupLabel.setText(text); }

void PlayerDialog::onAbout(const WindowMessage&) { AboutDialog::run(Module::instance()); }

void PlayerDialog::onChooseFolder(const WindowMessage&) {
  if (!player) return;
  if (const std::optional<std::string> root = FolderChooser::choose(loadString(IDS_BROWSE_TITLE))) player->buildGroupList(*root);
}

void PlayerDialog::onGroupMenu(const WindowMessage&) {
  if (!player) return;
  std::vector<std::string> entries{loadString(IDS_DEFAULT_GROUP_ITEM)};
  player->setPopupKind(PopupKind::Group);
  const GroupList& groups = player->state().groupList;
  entries.insert(entries.end(), groups.begin(), groups.end());
  ListMenu::showOver(dialog, control(IDC_GROUP_MENU), entries);
}

void PlayerDialog::onTrackMenu(const WindowMessage&) {
  if (!player) return;
  player->setPopupKind(PopupKind::Track);
  ListMenu::showOver(dialog, control(IDC_TRACK_MENU), player->state().trackList);
}

void PlayerDialog::onDynamicCommand(const WindowMessage& m) {
  if (!player) return;
  const std::size_t position = m.commandId() - ID_DYNAMIC_FIRST;
  switch (player->state().popupKind) {
    case PopupKind::Group:
      player->chooseGroup(position);
      break;
    case PopupKind::Track:
      player->chooseTrack(position);
      break;
    case PopupKind::None:
      break;
  }
}

LRESULT PlayerDialog::onContextMenu(const WindowMessage& m) {
  if (player) MainMenu::show(Module::instance(), dialog, m.lParam, player->state(), player->joinExcludedExts());
  return 0;
}

LRESULT PlayerDialog::onDropFiles(const WindowMessage& m) {
  const std::vector<std::string> paths = DroppedFiles::take(reinterpret_cast<HDROP>(m.wParam));
  if (player) player->playDropped(paths);
  return 0;
}

LRESULT PlayerDialog::onHotKey(const WindowMessage& m) {
  runMediaCommand(MediaKeys::fromHotKey(m.wParam));
  return 0;
}

bool PlayerDialog::onAppCommand(const WindowMessage& m, LRESULT& result) {
  if (m.id != WM_APPCOMMAND) return false;
  const MediaCommand command = MediaKeys::fromAppCommand(m.lParam);
  if (command == MediaCommand::None) return false;
  runMediaCommand(command);
  result = TRUE;
  return true;
}

void PlayerDialog::runMediaCommand(MediaCommand command) {
  if (!player) return;
  switch (command) {
    case MediaCommand::PlayPause:
      player->onPlay();
      break;
    case MediaCommand::NextTrack:
      player->onNext();
      break;
    case MediaCommand::PreviousTrack:
      player->onPrev();
      break;
    case MediaCommand::Stop:
      player->onStop();
      break;
    case MediaCommand::None:
      break;
  }
}
