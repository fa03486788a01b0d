#include "accounts/QrPage.h"

namespace {

void placeSprite(sf::Sprite& sprite, const sf::Texture& texture, float scale, sf::Vector2f position) {
    sprite.setTexture(texture, true);
    sprite.setScale(scale, scale);
    sprite.setPosition(position);
}

sf::Text caption(const sf::Font& font, const sf::String& string, sf::Vector2f position) {
    sf::Text text(string, font, 50);
    text.setFillColor(sf::Color::Magenta);
    text.setOrigin(50.f, 50.f);
    text.setPosition(position);
    return text;
}

}  // namespace

void buildQrSprites(QrPage& page, const QrTextures& textures) {
    placeSprite(page.vipPaymentCode, textures.vipPayment, 0.3f, {300.f, 300.f});
    placeSprite(page.recoveryPaymentCode, textures.recoveryPayment, 0.33f, {700.f, 300.f});
    placeSprite(page.friendCode, textures.friendInvite, 0.8f, {-100.f, 300.f});
}

void buildQrPage(QrPage& page, const sf::Font& font) {
    page.caption = caption(font, L"扫码支付为你提供VIP账号", {450.f, 900.f});
    page.friendCaption = caption(font, L"扫码添加微信好友", {-80.f, 750.f});
}

void showQrPage(QrPage& page, const sf::String& string) { page.caption.setString(string); }

QrAction handleQrPageClick(const TextButton& backButton, sf::Vector2f interfacePoint) {
    return buttonHit(backButton, interfacePoint) ? QrAction::BackToLogin : QrAction::None;
}

void drawQrPage(sf::RenderTarget& target, const QrPage& page, const sf::Text& title) {
    target.draw(title);
    target.draw(page.recoveryPaymentCode);
    target.draw(page.vipPaymentCode);
    target.draw(page.friendCode);
    target.draw(page.caption);
    target.draw(page.friendCaption);
}
