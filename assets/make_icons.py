#!/usr/bin/env python3
"""Writes the program's simple SVG pictures into icons/ (the build lists every icons/*.svg as a resource)."""
import os

HEAD = '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">'
def doc(x=14, y=6, w=36, h=52, fill="#ffffff", stroke="#3a4a5c"):
    return (f'<path d="M{x} {y} h{w-12} l12 12 v{h-12} h-{w} z" fill="{fill}" stroke="{stroke}" stroke-width="3"/>'
            f'<path d="M{x+w-12} {y} v12 h12" fill="none" stroke="{stroke}" stroke-width="3"/>')
def circle(color, text, size=40, ty=46):
    return (f'<circle cx="32" cy="32" r="28" fill="{color}" stroke="#ffffff" stroke-width="3"/>'
            f'<text x="32" y="{ty}" font-family="DejaVu Sans" font-weight="bold" font-size="{size}" '
            f'fill="#ffffff" text-anchor="middle">{text}</text>')
TRI_R = '<path d="M22 14 L48 32 L22 50 z" fill="#2e7d32"/>'
TRI_L = '<path d="M42 14 L16 32 L42 50 z" fill="#2e7d32"/>'

ICONS = {
    "guida": circle("#1e5fb4", "?"),
    "info": circle("#1e5fb4", "i"),
    "copyright": circle("#6a4c93", "©", 38, 45),
    "esci": '<circle cx="32" cy="34" r="22" fill="none" stroke="#c62828" stroke-width="7"/>'
            '<rect x="28" y="4" width="8" height="30" fill="#c62828" stroke="#ffffff" stroke-width="2"/>',
    "web": '<circle cx="32" cy="32" r="27" fill="#4fa3e0" stroke="#1e5fb4" stroke-width="3"/>'
           '<ellipse cx="32" cy="32" rx="12" ry="27" fill="none" stroke="#ffffff" stroke-width="3"/>'
           '<path d="M5 32 h54 M10 18 h44 M10 46 h44" stroke="#ffffff" stroke-width="3"/>',
    "email": '<rect x="6" y="14" width="52" height="36" rx="3" fill="#fff8e1" stroke="#8d6e00" stroke-width="3"/>'
             '<path d="M6 16 L32 36 L58 16" fill="none" stroke="#8d6e00" stroke-width="3"/>',
    "pdf": doc() + '<rect x="8" y="34" width="40" height="16" fill="#d32f2f"/>'
           '<text x="28" y="47" font-family="DejaVu Sans" font-weight="bold" font-size="13" fill="#fff" text-anchor="middle">PDF</text>',
    "anagrafica": '<circle cx="32" cy="20" r="12" fill="#f0a050" stroke="#8a4b10" stroke-width="3"/>'
                  '<path d="M10 58 c0 -18 10 -24 22 -24 s22 6 22 24 z" fill="#1e5fb4" stroke="#0d3570" stroke-width="3"/>',
    "attrezzature": '<path d="M8 44 h30 v-16 h10 l8 10 v6 z" fill="#f9a825" stroke="#6d4c00" stroke-width="3"/>'
                    '<circle cx="18" cy="48" r="6" fill="#424242"/><circle cx="46" cy="48" r="6" fill="#424242"/>'
                    '<path d="M14 28 L30 10 L38 18" fill="none" stroke="#6d4c00" stroke-width="4"/>',
    "giornale": '<rect x="12" y="6" width="40" height="52" rx="3" fill="#2e7d32" stroke="#1b4d1f" stroke-width="3"/>'
                '<rect x="18" y="12" width="30" height="40" fill="#ffffff"/>'
                '<path d="M22 22 h22 M22 30 h22 M22 38 h22 M22 46 h14" stroke="#1b4d1f" stroke-width="3"/>',
    "nuovo": doc() + '<path d="M32 26 v20 M22 36 h20" stroke="#2e7d32" stroke-width="6"/>',
    "duplica": doc(8, 4, 32, 44, "#e3f2fd") + doc(24, 16, 32, 44),
    "salva": '<rect x="8" y="8" width="48" height="48" rx="4" fill="#1e5fb4" stroke="#0d3570" stroke-width="3"/>'
             '<rect x="18" y="8" width="28" height="16" fill="#ffffff"/><rect x="16" y="34" width="32" height="22" fill="#e0e0e0"/>',
    "trova": '<circle cx="26" cy="26" r="16" fill="#e3f2fd" stroke="#3a4a5c" stroke-width="5"/>'
             '<path d="M38 38 L56 56" stroke="#3a4a5c" stroke-width="8" stroke-linecap="round"/>',
    "allega": '<path d="M40 14 v30 a10 10 0 0 1 -20 0 v-28 a6 6 0 0 1 12 0 v26" fill="none" stroke="#546e7a" stroke-width="5" stroke-linecap="round"/>',
    "anteprima": doc() + '<circle cx="30" cy="36" r="9" fill="#fff" stroke="#1e5fb4" stroke-width="4"/>'
                 '<path d="M37 43 L46 52" stroke="#1e5fb4" stroke-width="5" stroke-linecap="round"/>',
    "stampa": '<rect x="16" y="6" width="32" height="18" fill="#ffffff" stroke="#3a4a5c" stroke-width="3"/>'
              '<rect x="6" y="22" width="52" height="24" rx="4" fill="#607d8b" stroke="#37474f" stroke-width="3"/>'
              '<rect x="16" y="38" width="32" height="20" fill="#ffffff" stroke="#3a4a5c" stroke-width="3"/>',
    "primo": '<rect x="12" y="14" width="6" height="36" fill="#2e7d32"/>' + '<path d="M50 14 L22 32 L50 50 z" fill="#2e7d32"/>',
    "indietro": TRI_L,
    "avanti": TRI_R,
    "ultimo": '<path d="M14 14 L42 32 L14 50 z" fill="#2e7d32"/>' + '<rect x="46" y="14" width="6" height="36" fill="#2e7d32"/>',
    "esporta": doc() + '<path d="M24 36 h22 M38 28 l8 8 -8 8" fill="none" stroke="#1565c0" stroke-width="5"/>',
    "data": '<rect x="8" y="12" width="48" height="44" rx="4" fill="#ffffff" stroke="#c62828" stroke-width="3"/>'
            '<rect x="8" y="12" width="48" height="12" fill="#c62828"/>'
            '<text x="32" y="50" font-family="DejaVu Sans" font-weight="bold" font-size="22" fill="#333" text-anchor="middle">31</text>',
    "importa": '<path d="M6 24 h28 v-14 l24 22 -24 22 v-14 h-28 z" fill="#43a047" stroke="#1b5e20" stroke-width="3"/>',
    "cancella": '<path d="M8 42 L30 20 L52 42 L40 54 H20 z" fill="#f48fb1" stroke="#880e4f" stroke-width="3"/>'
                '<path d="M19 31 L41 53" stroke="#880e4f" stroke-width="3"/>',
    "cestino": '<rect x="14" y="18" width="36" height="40" rx="3" fill="#90a4ae" stroke="#37474f" stroke-width="3"/>'
               '<rect x="8" y="10" width="48" height="8" fill="#607d8b"/><rect x="26" y="4" width="12" height="6" fill="#607d8b"/>'
               '<path d="M24 26 v24 M32 26 v24 M40 26 v24" stroke="#37474f" stroke-width="3"/>',
    "lucchetto": '<path d="M20 30 v-8 a12 12 0 0 1 24 0 v8" fill="none" stroke="#5d4037" stroke-width="6"/>'
                 '<rect x="12" y="28" width="40" height="30" rx="4" fill="#fbc02d" stroke="#5d4037" stroke-width="3"/>'
                 '<circle cx="32" cy="42" r="4" fill="#5d4037"/>',
    "frontespizio": doc() + '<path d="M22 24 h20 M22 32 h20" stroke="#6a4c93" stroke-width="4"/>',
    "apri": '<path d="M6 18 h18 l4 6 h30 v30 h-52 z" fill="#fbc02d" stroke="#8d6e00" stroke-width="3"/>',
    "crea": '<rect x="12" y="6" width="40" height="52" rx="3" fill="#2e7d32" stroke="#1b4d1f" stroke-width="3"/>'
            '<path d="M32 20 v24 M20 32 h24" stroke="#ffffff" stroke-width="7"/>',
    "excel": doc(fill="#e8f5e9", stroke="#1b5e20") + '<path d="M20 26 l16 20 M36 26 l-16 20" stroke="#1b5e20" stroke-width="5"/>',
    "totale": circle("#2e7d32", "€", 36, 44),
    "scadenze": '<circle cx="32" cy="34" r="24" fill="#ffffff" stroke="#ef6c00" stroke-width="5"/>'
                '<path d="M32 18 v16 l10 8" fill="none" stroke="#ef6c00" stroke-width="5"/>',
    "avviso": '<path d="M32 6 L60 56 H4 Z" fill="#fdd835" stroke="#c62828" stroke-width="4" stroke-linejoin="round"/>'
              '<path d="M32 22 v18" stroke="#212121" stroke-width="6" stroke-linecap="round"/>'
              '<circle cx="32" cy="48" r="3.5" fill="#212121"/>',
    "controllo": '<circle cx="32" cy="32" r="28" fill="#2e7d32"/><path d="M16 32 l10 10 l22 -22" fill="none" stroke="#fff" stroke-width="7"/>',
}

os.makedirs("icons", exist_ok=True)
for name, body in ICONS.items():
    with open(f"icons/{name}.svg", "w", encoding="utf-8") as f:
        f.write(HEAD + body + "</svg>\n")
