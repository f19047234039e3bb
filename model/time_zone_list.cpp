#include "model/time_zone_list.h"

#include <cstdio>

namespace orvex {

// Windows-1252 texts; the player knows the zones by their index in this list.
const std::array<const char*, kTimeZoneCount> TimeZoneNames = {
    "(GMT-12:00) L\xEDnea internacional de fecha del oeste",
    "(GMT-11:00) Isla Midway, Samoa",
    "(GMT-10:00) Hawai",
    "(GMT-09:00) Alaska",
    "(GMT-08:00) Tijuana, Baja California",
    "(GMT-08:00) Hora del Pac\xED"
    "fico (EE.UU. y Canad\xE1)",
    "(GMT-07:00) Hora de las Monta\xF1"
    "as Rocosas (EE.UU. y Canad\xE1)",
    "(GMT-07:00) Chihuahua, La Paz, Mazatl\xE1n - Nuevo",
    "(GMT-07:00) Chihuahua, La Paz, Mazatl\xE1n - Antiguo",
    "(GMT-07:00) Arizona",
    "(GMT-06:00) Am\xE9rica Central",
    "(GMT-06:00) Hora central (EE.UU. y Canad\xE1)",
    "(GMT-06:00) Guadalajara, Ciudad de M\xE9xico, Monterrey - Nuevo",
    "(GMT-06:00) Saskatchewan",
    "(GMT-06:00) Guadalajara, Ciudad de M\xE9xico, Monterrey - Antiguo",
    "(GMT-05:00) Hora oriental (EE.UU. y Canad\xE1)",
    "(GMT-05:00) Bogot\xE1, Lima, Quito, Rio Branco",
    "(GMT-05:00) Indiana (Este)",
    "(GMT-04:30) Caracas",
    "(GMT-04:00) Santiago",
    "(GMT-04:00) Manaus",
    "(GMT-04:00) La Paz",
    "(GMT-04:00) Hora del Atl\xE1ntico (Canad\xE1)",
    "(GMT-03:30) Terranova",
    "(GMT-03:00) Georgetown",
    "(GMT-03:00) Brasilia",
    "(GMT-03:00) Buenos Aires",
    "(GMT-03:00) Groenlandia",
    "(GMT-03:00) Montevideo",
    "(GMT-02:00) Atl\xE1ntico Central",
    "(GMT-01:00) Islas del Cabo Verde",
    "(GMT-01:00) Azores",
    "(GMT+00:00) Hora del meridiano de Greenwich: Dubl\xEDn, Edimburgo, Lisboa, Londres",
    "(GMT+00:00) Monrovia, Reykjavik",
    "(GMT+00:00) Casablanca",
    "(GMT+01:00) \xC1"
    "frica Central Occ.",
    "(GMT+01:00) Sarajevo, Escopia, Varsovia, Z\xE1greb",
    "(GMT+01:00) Belgrado, Bratislava, Budapest, Lubiana, Praga",
    "(GMT+01:00) Amsterdam, Berl\xEDn, Berna, Roma, Estocolmo, Viena",
    "(GMT+01:00) Bruselas, Copenhague, Madrid, Par\xEDs",
    "(GMT+02:00) Atenas, Bucarest, Estambul",
    "(GMT+02:00) El Cairo",
    "(GMT+02:00) Minsk",
    "(GMT+02:00) Helsinki, Kiev, Riga, Sof\xED"
    "a,Tallinn, Vilnius",
    "(GMT+02:00) Jerusal\xE9n",
    "(GMT+02:00) Windhoek",
    "(GMT+02:00) Harare, Pretoria",
    "(GMT+02:00) Beirut",
    "(GMT+02:00) Amm\xE1n",
    "(GMT+03:00) Tiflis",
    "(GMT+03:00) Mosc\xFA, S. Petersburgo, Volgogrado",
    "(GMT+03:00) Nairobi",
    "(GMT+03:00) Kuwait, Riyadh",
    "(GMT+03:00) Baghdad",
    "(GMT+03:30) Teher\xE1n",
    "(GMT+04:00) Erev\xE1n",
    "(GMT+04:00) Hora est\xE1ndar del C\xE1ucaso",
    "(GMT+04:00) Abu Dhabi, Muscat",
    "(GMT+04:00) Bak\xFA",
    "(GMT+04:30) Kabul",
    "(GMT+05:00) Tashkent",
    "(GMT+05:00) Ekaterimburgo",
    "(GMT+05:00) Islamabad, Karachi",
    "(GMT+05:30)Chennai, Kolhata, Mumbai, NuevaDelhi",
    "(GMT+05:30) Sri Jayawardenepura",
    "(GMT+05:45) Kathmandu",
    "(GMT+06:00) Almaty, Novosibirsk",
    "(GMT+06:00) Astana, Dhaka",
    "(GMT+06:30) Yangon (Rang\xFAn)",
    "(GMT+07:00) Krasnoyarsk",
    "(GMT+07:00) Bangkok, Hanoi, Yakarta",
    "(GMT+08:00) Irkutsk, Ulaan Bataar",
    "(GMT+08:00) Kuala Lumpur, Singapur",
    "(GMT+08:00) Perth",
    "(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi",
    "(GMT+08:00) Taipei",
    "(GMT+09:00) Se\xFAl",
    "(GMT+09:00) Osaka, Sapporo, Tokio",
    "(GMT+09:00) Yakutsk",
    "(GMT+09:30) Darwin",
    "(GMT+09:30) Adelaida",
    "(GMT+10:00) Brisbane",
    "(GMT+10:00) Canberra, Melbourne, Sidney",
    "(GMT+10:00) Hobart",
    "(GMT+10:00) Vladivostok",
    "(GMT+10:00) Guam, Port Moresby",
    "(GMT+11:00) Magad\xE1n, Islas Salom\xF3n, Nueva Caledonia",
    "(GMT+12:00) Fiji, Kamchatka, Islas Marshall",
    "(GMT+12:00) Auckland, Wellington",
    "(GMT+13:00) Nuku'alofa",
};

std::int32_t TimeZoneIndexFromOffset(int offsetMinutes) {
    for (int i = 0; i < kTimeZoneCount; ++i) {
        const char* name = TimeZoneNames[static_cast<std::size_t>(i)];
        int hours = 0;
        int minutes = 0;
        if (std::sscanf(name, "(GMT%d:%d)", &hours, &minutes) != 2) {
            continue;
        }
        // The sign written after GMT applies to the minutes too: "(GMT-04:30)" is -270.
        const int offset = hours * 60 + (name[4] == '-' ? -minutes : minutes);
        if (offset == offsetMinutes) {
            return i;
        }
    }
    return 0;
}

} // namespace orvex
