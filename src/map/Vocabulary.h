#pragma once
// The words of the map that the files, the panels, the editor and the route
// criteria share: the spot and road type names as the data files hold them,
// and the units written after a spot's and a road's numbers.

// Spot types; each has its own picture.
inline const wchar_t* const kHotelType = L"酒店";
inline const wchar_t* const kBankType = L"银行";
inline const wchar_t* const kFoodType = L"美食";
inline const wchar_t* const kMarketType = L"超市";

// Road types: highways are drawn yellow, ordinary roads green.
inline const wchar_t* const kHighwayType = L"高速公路";
inline const wchar_t* const kOrdinaryRoadType = L"普通道路";

inline const wchar_t* const kRatingUnit = L"星";      // a spot's customer rating
inline const wchar_t* const kCostUnit = L"元";        // a spot's cost and a route's
inline const wchar_t* const kLengthUnit = L"米";      // a road's length
inline const wchar_t* const kSpeedUnit = L"千米/时";  // a road's speed limit, the walking pace
