// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons and the settings. The main button acts once for a double
// click: a quick second click would judge the problem it has just drawn.
import type { DrillDriver } from '../core/drillDriver';
import { modelReturnId } from '../layout/ModelAnswerLayout';

function onClick(id: string, action: (event: MouseEvent) => void): void {
  document.getElementById(id)?.addEventListener('click', action);
}

function selectedItem(groupId: string): number {
  const checked = document.querySelector<HTMLInputElement>(`#${groupId} input:checked`);
  return checked ? Number(checked.value) : 0;
}

export function routeControls(driver: DrillDriver, closeDrill: () => void): void {
  onClick('SpeedButton1', (event) => {
    if (event.detail <= 1) driver.send((session) => session.pressMainButton());
  });
  onClick('Button12', () => driver.send((session) => session.restart()));
  onClick('Button14', () => driver.send((session) => session.showWorkedAnswer()));
  onClick('SpeedButton2', () => driver.send((session) => session.askForHelp()));
  onClick('Button13', closeDrill);
  onClick(modelReturnId, () => driver.send((session) => session.putAwayWorkedAnswer()));

  const chooseSettings = () => {
    const [range, carryMode, kind] = ['RadioGroup1', 'RadioGroup2', 'RadioGroup3'].map(selectedItem);
    driver.send((session) => session.chooseSettings(range, carryMode, kind));
  };
  for (const group of ['RadioGroup1', 'RadioGroup2', 'RadioGroup3'])
    document.getElementById(group)?.addEventListener('change', chooseSettings);
  // A browser may bring back the choices of an earlier visit.
  chooseSettings();
}
