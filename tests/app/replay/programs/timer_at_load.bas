' Таймерът тръгва още при зареждане, без избран етаж: кабината се качва сама.
Dim CurrentFloor As Variant
Dim TargetFloor As Integer

Private Sub Form_Load()
    TargetFloor = 2
    Timer1.Enabled = True
End Sub

Private Sub Timer1_Timer()
    If CurrentFloor < TargetFloor Then CurrentFloor = CurrentFloor + 1
    If CurrentFloor = TargetFloor Then Timer1.Enabled = False
End Sub
