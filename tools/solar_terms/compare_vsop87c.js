// One-off cross-check of data/solar_terms/vsop87d_earth.txt (VSOP87D, from
// npm astronomia) against the independent VSOP87C Earth series of the npm
// package vsop87 (MIT): both give the Earth in the ecliptic and equinox of
// date, D in spherical, C in rectangular coordinates.
//
//   cd /tmp && npm pack vsop87@1.0.5 && tar xzf vsop87-1.0.5.tgz
//   node tools/solar_terms/compare_vsop87c.js /tmp/package data/solar_terms
'use strict';
const fs = require('fs');
const path = require('path');

const [pkg, data] = process.argv.slice(2);
if (!pkg || !data) {
  console.error('usage: node compare_vsop87c.js <vsop87 package dir> <data dir>');
  process.exit(2);
}
const vsop87c = require(path.resolve(pkg, 'dist/vsop87c.js'));
const series = { L: [], B: [], R: [] };
for (const v of Object.keys(series)) for (let p = 0; p < 6; ++p) series[v].push([]);
for (const line of fs.readFileSync(path.join(data, 'vsop87d_earth.txt'), 'utf8').split('\n')) {
  if (!line || line[0] === '#') continue;
  const [v, p, a, b, c] = line.split(' ');
  series[v][Number(p)].push([Number(a), Number(b), Number(c)]);
}
function evaluate(v, tau) {
  let sum = 0;
  for (let p = 5; p >= 0; --p) {
    let s = 0;
    for (const [a, b, c] of series[v][p]) s += a * Math.cos(b + c * tau);
    sum = sum * tau + s;
  }
  return sum;
}
const ARCSEC = 180 * 3600 / Math.PI;
const TWO_PI = 2 * Math.PI;
let worstL = 0, worstB = 0, worstR = 0;
for (let jd = 2407700.5; jd < 2481000.5; jd += 9.7) { // 1880..2080
  const tau = (jd - 2451545) / 365250;
  const L = ((evaluate('L', tau) % TWO_PI) + TWO_PI) % TWO_PI;
  const B = evaluate('B', tau);
  const R = evaluate('R', tau);
  const e = vsop87c(jd).earth;
  const r = Math.hypot(e.x, e.y, e.z);
  const l = (Math.atan2(e.y, e.x) + TWO_PI) % TWO_PI;
  let dl = Math.abs(L - l);
  if (dl > Math.PI) dl = TWO_PI - dl;
  worstL = Math.max(worstL, dl * ARCSEC);
  worstB = Math.max(worstB, Math.abs(B - Math.asin(e.z / r)) * ARCSEC);
  worstR = Math.max(worstR, Math.abs(R - r));
}
console.log(`worst |D - C| 1880..2080: longitude ${worstL.toFixed(4)}", latitude ${worstB.toFixed(4)}", radius ${worstR.toExponential(2)} au`);
