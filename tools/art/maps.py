"""The seven maps, row by row, by picture name: the layout the map scenes
use, kept here for the contact sheets and the closing card that shows a town."""

# Rows of each map, by picture name (abbreviations below).
A = {
    "B": "tile_brick", "P": "tile_floor_pale_yellow", "g": "tile_grass_pale_yellow",
    "G": "tile_garage_pale_yellow", "V": "tile_vending_pale_yellow", "H": "tile_house_pale_yellow",
    "S": "tile_sign_pale_yellow", "w": "tile_wall_grey", "f": "tile_floor_white", "d": "tile_door",
    "v": "tile_visitor", "F": "tile_father", "n": "tile_newspaper", "k": "tile_desk", "t": "tile_tv",
    "z": "tile_wall_stripes", "N": "tile_sign_white", "h": "tile_hedge", "b": "tile_floor_brown",
    "x": "tile_thorns_brown", "Q": "tile_house_brown", "U": "tile_vending_brown", "s": "tile_sign_brown",
    "Y": "tile_sprouts_brown", "R": "tile_garage_brown", "o": "tile_ring", "K": "tile_key",
    "1": "tile_road_corner_nw", "2": "tile_road_corner_ne", "3": "tile_road_corner_sw",
    "4": "tile_road_corner_se", "-": "tile_road_h", "|": "tile_road_v", "T": "tile_radio_tower",
    "W": "tile_water", "r": "tile_floor_red", "D": "tile_hideout", "X": "tile_sign_red",
    "M": "tile_vending_red", "O": "tile_garage_house_red",
}

MAPS = {
    "Form3": ("hero_map_pale_yellow", ["BBBBBBBBBB", "gGPPPPVPPB", "BPPPPPPPPB", "BHPPHPgPPB", "BPPPPPPSPB", "BBBBBBBBBB"]),
    "Form7": ("hero_map_white", ["wwwwwwwwww", "gdfffffffw", "wvffFfffnw", "wfffkftffw", "wffffffffw", "wwwwwwwwww"]),
    "Form9": ("hero_map_white", ["zzzzzzzzzz", "gdfffffffz", "zffffffffz", "zfffNffffz", "zffffffffz", "zzzzzzzzzz"]),
    "Form13": ("hero_map_brown", ["hhhhhhhhhh", "hUbYhxQxQh", "hbbbhxxxxh", "hRbbhxbbbh", "hbbbhxUsbg", "hhhhhhhhhh"]),
    "Form14": ("hero_map_white", ["zzzzzzzzzz", "gdzozoKzoz", "zozozzzofz", "zzozzozofz", "zofozozNfz", "zzzzzzzzzz"]),
    "Form19": ("hero_map_pale_yellow", ["1--------2", "|GYPPPPPV|", "|HHPPPTSP|", "|PTPPPPPP|", "|PPPTPPSP|", "3--------4"]),
    "Form25": ("hero_map_red", ["WWWWWWWWWW", "WXXXWWWWWW", "WrrrWrBrMW", "WrWBWOWrrW", "WDWOBrWXrW", "WWWWWWWWWW"]),
}
