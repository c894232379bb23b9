#pragma once
// The player's only window: a borderless tool window built from dialog
// template 129 with a background picture, five skinned buttons and two label
// buttons. It owns the player and the window's resources, shows the player's
// state, and routes every message through its message map.
#include <windows.h>

#include <memory>
#include <string>

#include "ui/MessageLoop.h"
#include "audio/AudioEngines_win32.h"
#include "core/Player.h"
#include "core/PlayerDisplay.h"
#include "resources/resource.h"
#include "ui/LabelButton.h"
#include "ui/LayeredWindow.h"
#include "ui/MediaKeys.h"
#include "ui/MessageMap.h"
#include "ui/PlayerPictures.h"
#include "ui/SingleInstance.h"
#include "ui/SkinButton.h"

// The graph has events to collect.
constexpr UINT WM_GRAPHNOTIFY = WM_APP + 201;
// The bar is now on a monitor of another resolution (Windows 8.1 and later).
constexpr UINT wmDpiChanged = 0x02E0;

class PlayerDialog final : public PlayerDisplay, public StartUpWindowSteps, public MessageFilter {
 public:
  static constexpr int templateId = IDD_PLAYER;

  // The message map: entries are tried from the top, and the first one that
  // handles a message gives its result; the rest get the default dialog processing.
  static const MessageMap<PlayerDialog>& messageMap() {
    using Map = MessageMap<PlayerDialog>;
    static const Map map{
        Map::message(WM_INITDIALOG, &PlayerDialog::onInitDialog),
        Map::command(ID_APP_ABOUT, &PlayerDialog::onAbout),
        Map::command(IDOK, &PlayerDialog::onExit),
        Map::command(ID_ORDER_RANDOM, &PlayerDialog::forwardToPlayer<&Player::onOrderRandom>),
        Map::click(IDC_PLAY, &PlayerDialog::forwardToPlayer<&Player::onPlay>),
        Map::click(IDC_CUE, &PlayerDialog::forwardToPlayer<&Player::onCue>),
        Map::click(IDC_NEXT, &PlayerDialog::forwardToPlayer<&Player::onNext>),
        Map::command(ID_REPEAT, &PlayerDialog::forwardToPlayer<&Player::onRepeat>),
        Map::command(ID_FOLDER_CURRENT, &PlayerDialog::onChooseFolder),
        Map::click(IDC_PREV, &PlayerDialog::forwardToPlayer<&Player::onPrev>),
        Map::click(IDC_TRACK_MENU, &PlayerDialog::onTrackMenu),
        Map::click(IDC_GROUP_MENU, &PlayerDialog::onGroupMenu),
        Map::message(WM_CONTEXTMENU, &PlayerDialog::onContextMenu),
        Map::message(WM_DROPFILES, &PlayerDialog::onDropFiles),
        Map::message(WM_GRAPHNOTIFY, &PlayerDialog::onGraphNotify),
        Map::message(WM_LBUTTONDOWN, &PlayerDialog::onBackgroundPressed),
        // The dialog class takes a quick second press for a double click.
        Map::message(WM_LBUTTONDBLCLK, &PlayerDialog::onBackgroundPressed),
        Map::anyMessage(&PlayerDialog::reflectToControl),
        Map::message(WM_PAINT, &PlayerDialog::onPaint),
        Map::command(ID_TOPMOST, &PlayerDialog::onTopMost),
        Map::commandRange(ID_DYNAMIC_FIRST, ID_DYNAMIC_LAST, &PlayerDialog::onDynamicCommand),
        Map::command(ID_FOLDER_SETTINGS, &PlayerDialog::onChooseFolder),
        Map::command(ID_ORDER_REVERSE, &PlayerDialog::forwardToPlayer<&Player::onOrderReverse>),
        Map::command(ID_ORDER_NAME, &PlayerDialog::forwardToPlayer<&Player::onOrderName>),
        Map::command(ID_ORDER_CREATED, &PlayerDialog::forwardToPlayer<&Player::onOrderCreated>),
        Map::command(ID_ORDER_ACCESSED, &PlayerDialog::forwardToPlayer<&Player::onOrderAccessed>),
        Map::command(ID_TRANSPARENT, &PlayerDialog::onTransparent),
        Map::command(ID_ONE_PLAY, &PlayerDialog::forwardToPlayer<&Player::onOnePlay>),
        Map::message(WM_ENDSESSION, &PlayerDialog::onEndSession),
        Map::message(WM_COMEFORWARD, &PlayerDialog::onComeForward),
        Map::message(WM_HOTKEY, &PlayerDialog::onHotKey),
        Map::message(WM_TIMER, &PlayerDialog::onTimer),
        Map::message(WM_MOUSEWHEEL, &PlayerDialog::onMouseWheel),
        Map::anyMessage(&PlayerDialog::onAppCommand),
        Map::anyMessage(&PlayerDialog::onScreensChanged),
        Map::message(wmDpiChanged, &PlayerDialog::onDpiChanged),
    };
    return map;
  }

  PlayerDialog() = default;
  ~PlayerDialog() override;
  PlayerDialog(const PlayerDialog&) = delete;
  PlayerDialog& operator=(const PlayerDialog&) = delete;

  // Creates the window from its template; the start-up runs inside. False when
  // the window could not be created.
  bool create();
  HWND window() const { return dialog; }
  // Called by the dialog procedure at the first and the last message.
  void bind(HWND window) { dialog = window; }

  // PlayerDisplay
  void setPlayButtonFace(PlayButtonFace face) override;
  void setPlayButtonEnabled(bool enabled) override;
  void setTrackLabelText(const std::string& text) override;
  void setGroupLabelText(const std::string& text) override;

  // StartUpWindowSteps
  void prepareWindow() override;
  void applyTopMost() override;

  // MessageFilter: keyboard navigation of the dialog.
  bool preTranslate(MSG& message) override;

  void applyTopMost(bool on);

 private:
  template <void (Player::*action)()>
  void forwardToPlayer(const WindowMessage&) {
    if (player) (player.get()->*action)();
  }

  LRESULT onInitDialog(const WindowMessage& m);
  void onExit(const WindowMessage& m);
  LRESULT onGraphNotify(const WindowMessage& m);
  LRESULT onBackgroundPressed(const WindowMessage& m);
  bool reflectToControl(const WindowMessage& m, LRESULT& result);
  LRESULT onPaint(const WindowMessage& m);
  void onTopMost(const WindowMessage& m);
  void onTransparent(const WindowMessage& m);
  LRESULT onEndSession(const WindowMessage& m);
  // A later start for the same settings file: the bar restores and activates itself.
  LRESULT onComeForward(const WindowMessage& m);
  // A screen removed or resized, or a work area changed: the bar comes back to
  // the nearest screen if it is no longer wholly on one. Never handled, so the
  // default processing still runs.
  bool onScreensChanged(const WindowMessage& m, LRESULT& result);
  // A long search for a playable track goes on at the search timer, one slice
  // at a time: timers come after input and painting, and every modal loop
  // (menus, the About box, the folder chooser, a window drag) dispatches them.
  LRESULT onTimer(const WindowMessage& m);
  // The wheel over any part of the bar (the controls pass it on to the
  // window) sets the player's own volume; the track label shows the level
  // for a moment.
  LRESULT onMouseWheel(const WindowMessage& m);
  void showVolume();
  void showTrackName();

  // Menus, dropped files, the folder chooser and the About box.
  void onAbout(const WindowMessage& m);
  void onChooseFolder(const WindowMessage& m);
  void onTrackMenu(const WindowMessage& m);
  void onGroupMenu(const WindowMessage& m);
  LRESULT onContextMenu(const WindowMessage& m);
  LRESULT onDropFiles(const WindowMessage& m);
  void onDynamicCommand(const WindowMessage& m);

  // The media keys: hot keys while another program has the focus, application
  // commands while the player has it.
  LRESULT onHotKey(const WindowMessage& m);
  bool onAppCommand(const WindowMessage& m, LRESULT& result);
  void runMediaCommand(MediaCommand command);

  // The resolution changed: the bar takes the suggested place, and its size,
  // controls, pictures and font follow; it stays wholly on a monitor.
  LRESULT onDpiChanged(const WindowMessage& m);
  // Every picture, place and size of the bar and its label font at the resolution.
  void showAtScale(UINT dpi);

  void setIcons();
  void bindSkinButtons();
  void bindLabel(LabelButton& label, int controlId, const HBITMAP& bitmap);
  HWND control(int id) const { return GetDlgItem(dialog, id); }

  HWND dialog = nullptr;
  AudioEngines engines;
  std::unique_ptr<Player> player;
  PlayerPictures pictures;
  LayeredWindow layered;
  COLORREF labelTextColor = 0;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  SkinButton playButton;
  SkinButton exitButton;
  SkinButton nextButton;
  SkinButton cueButton;
  SkinButton prevButton;
  LabelButton trackLabel;
  LabelButton groupLabel;
  bool showingStopFace = false;
  MediaKeys mediaKeys;
  // What is left of a notch of a high-resolution wheel.
  int wheelDelta = 0;
  // The track label shows the volume level until the volume timer goes off,
  // and then trackName: the template's text, or the name given since.
  bool showingVolume = false;
  std::string trackName;
};
