// One-off extraction of the generator's input data from the npm package
// astronomia (MIT licence) into the plain text files of data/solar_terms/.
//
//   cd /tmp && npm pack astronomia@4.3.0 && tar xzf astronomia-4.3.0.tgz
//   node tools/solar_terms/extract_data.js /tmp/package data/solar_terms
//
// Writes vsop87d_earth.txt (the full VSOP87D Earth series) and
// delta_t_yearly.txt (ΔT on 1 January of each year 1790..2005).
'use strict';
const fs = require('fs');
const path = require('path');

const [pkg, out] = process.argv.slice(2);
if (!pkg || !out) {
  console.error('usage: node extract_data.js <astronomia package dir> <output dir>');
  process.exit(2);
}
const version = JSON.parse(fs.readFileSync(path.join(pkg, 'package.json'), 'utf8')).version;

// VSOP87D Earth: heliocentric ecliptic L, B, R of date.
const earth = require(path.resolve(pkg, 'lib/data/vsop87Dearth.cjs')).default;
let text = '';
text += '# VSOP87D Earth: heliocentric ecliptic spherical coordinates, equinox and ecliptic of date.\n';
text += `# Source: npm astronomia ${version} (MIT), lib/data/vsop87Dearth.cjs, which carries the\n`;
text += '# complete series of Bretagnon & Francou (1988), file VSOP87D.ear.\n';
text += '# Columns: variable (L, B, R), power of T (Julian millennia TDB from J2000.0), A, B, C;\n';
text += '# each term adds A cos(B + C T) times T^power; L and B in radians, R in au.\n';
let count = 0;
for (const v of ['L', 'B', 'R']) {
  const series = earth[v];
  for (const p of Object.keys(series).sort()) {
    for (const [a, b, c] of series[p]) {
      text += `${v} ${p} ${a} ${b} ${c}\n`;
      ++count;
    }
  }
}
fs.writeFileSync(path.join(out, 'vsop87d_earth.txt'), text);
console.error(`vsop87d_earth.txt: ${count} terms`);

// ΔT: the yearly historic values of USNO (half-year grid, to 1984) and the
// IERS monthly values (from 1973) that astronomia carries; one value per
// 1 January.
const dt = require(path.resolve(pkg, 'lib/data/deltat.cjs')).default;
text = '';
text += '# ΔT = TT − UT1 in seconds on 1 January 0h UT of each year.\n';
text += `# Source: npm astronomia ${version} (MIT), lib/data/deltat.cjs:\n`;
text += '#   1790..1984: its "historic" table, the USNO file historic_deltat.data\n';
text += '#               (Astronomical Almanac values, lunar tidal acceleration −26″/cy²);\n';
text += '#   1985..2005: its "data" table (IERS finals, monthly), the January entry.\n';
text += '# Columns: year, ΔT.\n';
for (let y = 1790; y <= 2005; ++y) {
  let v;
  if (y <= 1984) {
    v = dt.historic.table[Math.round((y - dt.historic.first) * 2)];
  } else {
    const [fy, fm] = dt.data.firstYM;
    v = dt.data.table[12 * (y - fy) + (1 - fm)];
    v = Math.round(v * 10000) / 10000;
  }
  text += `${y} ${v}\n`;
}
fs.writeFileSync(path.join(out, 'delta_t_yearly.txt'), text);
