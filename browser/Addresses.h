#pragma once
// The program's two web addresses: the advertisement page shown over the video
// area until playback first starts, and the product's site (caption, web label).

inline constexpr char16_t AdvertisementUrl[] = u"http://reklama.zadiza.cz/reklama.html";
inline constexpr char ProductUrl[] = "http://www.zadiza.cz";
