#pragma once
// The program on the desktop's media controls (MPRIS 2): owns
// org.mpris.MediaPlayer2.zadizaplayer on the session bus and tells the desktop when the
// play toggle or the volume changes. The bus is joined on a thread of its own, so joining
// it never holds up the window; without a bus the program plays as before.
// Created, used and destroyed on the user-interface thread, before the window is deleted.

#include <QObject>
#include <QString>
#include <memory>

class TFormTV;
class TMprisPlayer;

class TMediaControls final : public QObject {
public:
  explicit TMediaControls(TFormTV& form);
  ~TMediaControls() override;

private:
  struct Link;
  void Publish();
  void StateChanged();
  void SendChanges();

  TFormTV& form_;
  TMprisPlayer* player_;  // owned by this object, as its adaptor
  std::shared_ptr<Link> link_;
  bool published_ = false;
  bool changePending_ = false;
  QString sentStatus_;
  double sentVolume_ = 0;
};
