#pragma once
// The page behind "忘记密码" and "获取VIP用户": three QR pictures and two
// captions under the login screen's title. Map coordinates, home view.
#include <SFML/Graphics.hpp>

struct QrPage {
    sf::Sprite c;
    sf::Sprite b;
    sf::Sprite a;
    sf::Text caption;        // set by the link that leads here
    sf::Text friendCaption;
};

void buildQrSprites(QrPage& page, const sf::Texture& c, const sf::Texture& b, const sf::Texture& a);
void buildQrPage(QrPage& page, const sf::Font& font);
void showQrPage(QrPage& page, const sf::String& caption);
void drawQrPage(sf::RenderTarget& target, const QrPage& page, const sf::Text& title);
