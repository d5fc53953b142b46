import { openDB, type DBSchema, type IDBPDatabase } from 'idb';

// The calculation history and the two open calculations, in IndexedDB so that they outlive a
// reload and a browser restart. A record keeps the inputs and the one-line summary only: it
// is reopened by calculating again.

export interface Calculation {
  id?: number;
  inputParameters: Record<string, string>;
  latexString: string;
}

type OpenKey = 'currentCalculation' | 'currentSelectedCalculation';

interface Schema extends DBSchema {
  calculations: { key: number; value: Calculation };
  open: { key: OpenKey; value: Calculation };
}

export class CalcStore {
  private constructor(private readonly db: IDBPDatabase<Schema>) {}

  static async open(name = 'unitcircle'): Promise<CalcStore> {
    const db = await openDB<Schema>(name, 1, {
      upgrade(database) {
        database.createObjectStore('calculations', { keyPath: 'id', autoIncrement: true });
        database.createObjectStore('open');
      },
    });
    return new CalcStore(db);
  }

  // Newest first: ids grow with every insertion.
  async calculations(): Promise<Calculation[]> {
    const all = await this.db.getAll('calculations');
    return all.sort((a, b) => (b.id ?? 0) - (a.id ?? 0));
  }

  async insertCalculation(calculation: Calculation): Promise<number> {
    const { id: _ignored, ...record } = calculation;
    return this.db.add('calculations', record);
  }

  async removeCalculation(id: number): Promise<void> {
    await this.db.delete('calculations', id);
  }

  async clearCalculations(): Promise<void> {
    await this.db.clear('calculations');
  }

  async openCalculation(key: OpenKey): Promise<Calculation | undefined> {
    return this.db.get('open', key);
  }

  async setOpenCalculation(key: OpenKey, calculation: Calculation | null): Promise<void> {
    if (calculation) await this.db.put('open', calculation, key);
    else await this.db.delete('open', key);
  }

  // The selected history entry wins over the last typed input; the selection is used once.
  async takeInputToFill(): Promise<Calculation | undefined> {
    const selected = await this.openCalculation('currentSelectedCalculation');
    if (selected) {
      await this.setOpenCalculation('currentSelectedCalculation', null);
      return selected;
    }
    return this.openCalculation('currentCalculation');
  }

  close(): void {
    this.db.close();
  }
}
