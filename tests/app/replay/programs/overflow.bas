' Integer стига до 32 767: грешка 6 при избор на етаж.
Dim TargetFloor As Integer

Private Sub Option1_Click(Index As Integer)
    TargetFloor = 32767
    TargetFloor = TargetFloor + Index
End Sub
