#pragma once
// The page behind "忘记密码" and "获取VIP用户": three QR pictures and two
// captions under the login screen's title, and the back button that returns
// to the login screen. Map coordinates, home view; the back button stands in
// the interface view.
#include <SFML/Graphics.hpp>

#include "widgets/TextButton.h"

struct QrPage {
    sf::Sprite vipPaymentCode;       // resource/c.txt
    sf::Sprite recoveryPaymentCode;  // resource/b.txt
    sf::Sprite friendCode;           // resource/a.txt
    sf::Text caption;                // set by the link that leads here
    sf::Text friendCaption;
};

enum class QrAction { None, BackToLogin };

struct QrTextures {
    const sf::Texture& vipPayment;
    const sf::Texture& recoveryPayment;
    const sf::Texture& friendInvite;
};

void buildQrSprites(QrPage& page, const QrTextures& textures);
void buildQrPage(QrPage& page, const sf::Font& font);
void showQrPage(QrPage& page, const sf::String& caption);

// A left click at an interface point: the back button leads back to the
// login screen, any other click stays.
QrAction handleQrPageClick(const TextButton& backButton, sf::Vector2f interfacePoint);

// The pictures and captions, through the map view at its home position.
void drawQrPage(sf::RenderTarget& target, const QrPage& page, const sf::Text& title);
